#include "app/DocumentHooks.h"

IDocumentHooks* theDocumentHooks = nullptr;
