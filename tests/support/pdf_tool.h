// pdftotext (poppler) reads the reports' PDFs back. Windows has no such tool: there a test that
// needs it is skipped, and tests/windows/cli_parity.sh reads the Windows reports' text on Linux.
#pragma once

#include <gtest/gtest.h>

#ifdef _WIN32
#define ORBISK_SKIP_WITHOUT_PDFTOTEXT() \
  GTEST_SKIP() << "pdftotext is a Linux tool: tests/windows/cli_parity.sh compares the Windows report's text"
#else
#define ORBISK_SKIP_WITHOUT_PDFTOTEXT() static_cast<void>(0)
#endif
