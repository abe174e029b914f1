#pragma once

#include "modules/ReferenceTable.h"

#include <functional>
#include <string>
#include <vector>

namespace bench {

// The program's own reload, run as the OK button runs it: OpenDatabase, then UpdateTblKemasan
// or UpdateTblPelabuhan through cnDatabase with the progress window Loading shown. While it
// lives, the program directory points at the generated data files and message boxes are
// recorded instead of shown. Needs the QApplication to exist.
class OursReload
{
public:
    OursReload(const std::string& dataDirectory, bool windowPainted);
    ~OursReload();
    OursReload(const OursReload&) = delete;
    OursReload& operator=(const OursReload&) = delete;

    // Opens the database, reloads the table and closes the database again; returns the wall
    // seconds of the reload alone. Raises std::runtime_error when the database does not open or
    // the reload does not end in its completion message, and passes the reload's Error on.
    double run(const std::string& databasePath, const ReferenceTable& table);
    // The same for a preview of the table (its lines counted, not printed) and for an undo of
    // its last update.
    double runPreview(const std::string& databasePath, const ReferenceTable& table);
    double runUndo(const std::string& databasePath, const ReferenceTable& table);

private:
    // Opens the database in mode, times work and closes the database again.
    double timed(const std::string& databasePath, int mode, const std::function<void()>& work);

    std::vector<std::string> m_prompts;
};

} // namespace bench
