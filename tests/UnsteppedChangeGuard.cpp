// Fails the running test when the design changes outside an edit step: in a release build the
// history would quietly make an unnamed step of it.
#include "model/DesignHistory.h"

#include <gtest/gtest.h>

namespace {

class TUnsteppedChangeGuard : public ::testing::Environment {
public:
    void SetUp() override {
        tarvex::TDesignHistory::SetUnsteppedChangeHandler(
            [] { ADD_FAILURE() << "the design changed outside an edit step"; });
    }
};

[[maybe_unused]] const ::testing::Environment* const guard =
    ::testing::AddGlobalTestEnvironment(new TUnsteppedChangeGuard);

} // namespace
