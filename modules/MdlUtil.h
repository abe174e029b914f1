#pragma once

#include <string>

// Runs one statement on cnDatabase; errors travel to the caller.
void ExecuteSql(const std::string& sql);

// Reload Tblkemasan from tblkemasan.dat and TblPelabuhan from tblpelabuhan.dat, beside the
// program. Each runs in one transaction: on any failure the table is left as it was and the
// Error travels on.
void UpdateTblKemasan();
void UpdateTblPelabuhan();
