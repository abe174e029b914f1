#include "modules/MdlMain.h"
