#pragma once
// A site's password in the desktop's key store, under Tarvex's own service name. Never anywhere
// else: where the desktop has no key store, the password serves the one publish it was typed for.

#include <QString>

#include <optional>

namespace tarvex {

class TSiteKeyStore {
public:
    // Nothing when the store holds none for `key` or cannot be asked; `error` says which.
    static std::optional<QString> Read(const QString& key, QString* error = nullptr);
    static bool Write(const QString& key, const QString& secret, QString* error);
    static bool Remove(const QString& key, QString* error);
};

} // namespace tarvex
