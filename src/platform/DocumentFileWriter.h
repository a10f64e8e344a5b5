#pragma once
// CDocumentFileWriter, the safe writer of a document's file, in the form of
// the system the program is built for; both forms share one interface.
#ifdef _WIN32
#include "platform/win/DocumentFileWriter.h"
#else
#include "platform/posix/DocumentFileWriter.h"
#endif
