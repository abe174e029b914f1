#include "platform/Connection.h"
