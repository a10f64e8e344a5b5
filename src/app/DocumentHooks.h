#pragma once
#include "records/DocumentHooks.h"

// The document registers itself here while it exists; without one (core
// tests) edits mark nothing unless a test installed hooks of its own.
extern IDocumentHooks* theDocumentHooks;
