#include "app/ProgramVersion.h"

const char* const ProgramVersion = RADVIEW_VERSION;
