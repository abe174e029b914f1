#pragma once

#include <string>
#include <string_view>

// One line of a data file split into the two values of its table row. Both views point into
// the line they came from.
struct DataRecord
{
    std::string_view code;
    std::string_view description;
};

// tblkemasan.dat: the code is everything before the first ";" as it stands; the description is
// everything after it, trimmed of spaces. A line without ";" raises Error 5.
DataRecord kemasanRecord(std::string_view line);

// tblpelabuhan.dat: the code is the first 5 characters of the line, whatever they are; the
// description is everything after the first ";", trimmed of spaces, or the whole line trimmed
// when there is no ";". Lines are UTF-8, so characters are counted as code points.
DataRecord pelabuhanRecord(std::string_view line);

// Makes statement the insert for record: prefix + code + "','" + description + "')", each
// value with every "'" doubled. statement is reused so that a reload allocates only while its
// lines grow.
void buildInsert(std::string& statement, std::string_view prefix, const DataRecord& record);
