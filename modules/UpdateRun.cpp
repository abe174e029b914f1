#include "modules/UpdateRun.h"

#include "modules/MdlMain.h"
#include "modules/MdlUtil.h"
#include "platform/CursorOverride.h"

bool RunUpdate(const std::string& path)
{
    // Until the run ends, whichever way: its message boxes show the arrow while they wait.
    const CursorOverride busy(Qt::WaitCursor);
    OpenDatabase(path);
    if (cnDatabase().State() != Connection::adStateOpen)
        return false;
    UpdateTblKemasan();
    UpdateTblPelabuhan();
    return true;
}
