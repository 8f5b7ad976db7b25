#pragma once
// A project's named targets as a publish uses them: which one a name means, and the credentials
// it gives a connection. The window and the command line share these, so both trust the same pins.

#include "model/Project.h"
#include "publish/SiteConnection.h"

#include <string>
#include <string_view>

namespace tarvex {

// $XDG_CONFIG_HOME/tarvex/known_hosts, else ~/.config/tarvex/known_hosts (on Windows under
// %APPDATA%): the pins of the servers the author accepted. Empty where no such folder is known.
std::string OwnKnownHostsFile();

// The project's target of exactly that name; nothing when it names none.
const TPublishTarget* FindPublishTarget(const TProject& project, std::string_view name);

// The user from the address, else the target's User, else the login name; the key and CA file
// from the target; the server keys from OwnKnownHostsFile(). Never a password.
TSiteCredentials CredentialsFor(const TSiteAddress& address, const TPublishTarget& target);

} // namespace tarvex
