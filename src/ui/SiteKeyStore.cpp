#include "SiteKeyStore.h"

#include <QEventLoop>

#include <qt6keychain/keychain.h>

namespace tarvex {

namespace {

const QString Service = QStringLiteral("Korvane Tarvex publish");

// The store answers through a signal; the dialog waits for it like for any short request.
bool RunJob(QKeychain::Job& job, QString* error) {
    job.setAutoDelete(false);
    // A store that is not there must never turn into a file of secrets.
    job.setInsecureFallback(false);
    QEventLoop loop;
    QObject::connect(&job, &QKeychain::Job::finished, &loop, &QEventLoop::quit);
    job.start();
    loop.exec(QEventLoop::ExcludeUserInputEvents);
    if (job.error() == QKeychain::NoError) {
        return true;
    }
    if (error) {
        *error = job.error() == QKeychain::EntryNotFound ? QString() : job.errorString();
    }
    return false;
}

} // namespace

std::optional<QString> TSiteKeyStore::Read(const QString& key, QString* error) {
    QKeychain::ReadPasswordJob job(Service);
    job.setKey(key);
    if (!RunJob(job, error)) {
        return std::nullopt;
    }
    return job.textData();
}

bool TSiteKeyStore::Write(const QString& key, const QString& secret, QString* error) {
    QKeychain::WritePasswordJob job(Service);
    job.setKey(key);
    job.setTextData(secret);
    return RunJob(job, error);
}

bool TSiteKeyStore::Remove(const QString& key, QString* error) {
    QKeychain::DeletePasswordJob job(Service);
    job.setKey(key);
    return RunJob(job, error) || (error && error->isEmpty());
}

} // namespace tarvex
