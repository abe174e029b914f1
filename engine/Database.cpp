#include "engine/Database.h"
