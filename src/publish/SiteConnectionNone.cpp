// The build for a system without the transfer library: the rest of the publish layer (addresses,
// manifest, plan) works, and publishing says plainly that it cannot.

#include "publish/SiteConnection.h"

namespace tarvex {

std::unique_ptr<TSiteConnection> OpenSiteConnection(const TSiteAddress&, const TSiteCredentials&,
                                                    TUiText& error) {
    error = PublishText(SitePublishUnavailable);
    return nullptr;
}

} // namespace tarvex
