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

// Appends the key in OpenSSH known-hosts form ("[host]:port" for a port other than 22), creating
// the folder and the file (for the owner alone where the system has permissions). False, with
// `error` saying why, when it could not, or when the key is not one a known-hosts line can hold.
bool PinHostKey(const std::string& knownHostsFile, const THostKeyPin& key, TUiText& error);

} // namespace tarvex
