#include "tools/DemoDatabase.h"

#include "engine/Error.h"

#include <iostream>

// tandera-makedemo <path>: makes the demo database at path; never overwrites a file.
int main(int argc, char** argv)
{
    if (argc != 2) {
        std::cerr << "usage: tandera-makedemo <path of the new Kolvarin.mdb>\n";
        return 2;
    }
    try {
        createDemoDatabase(argv[1]);
    } catch (const Error& error) {
        std::cerr << "tandera-makedemo: " << error.number() << " " << error.description() << '\n';
        return 1;
    }
    return 0;
}
