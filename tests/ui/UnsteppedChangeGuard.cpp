// Fails the running window test when the design changes outside an edit step: in a release build
// the history would quietly make an unnamed step of it.
#include "model/DesignHistory.h"

#include <QTest>

namespace {

const bool installed = [] {
    tarvex::TDesignHistory::SetUnsteppedChangeHandler(
        [] { QTest::qFail("the design changed outside an edit step", __FILE__, __LINE__); });
    return true;
}();

} // namespace
