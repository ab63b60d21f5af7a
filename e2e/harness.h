#pragma once
// Everything the end-to-end tests share: the data folder and its records,
// the dates Festorin makes, the windows of another process, and one run of
// the real Festorin.exe.
#include "e2e/data_files.h"
#include "e2e/dates.h"
#include "e2e/festorin.h"
#include "e2e/windows.h"
