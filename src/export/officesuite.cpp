#include "officesuite.h"

// Out of line, so the interface's virtual table lives in one object file.
OfficeSuite::~OfficeSuite() = default;
