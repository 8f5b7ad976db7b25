#include "WebImport.h"

namespace tarvex {

bool WebImportAvailable() {
    return true;
}

} // namespace tarvex
