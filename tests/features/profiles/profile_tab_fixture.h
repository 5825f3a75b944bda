// The profiles tab tests start from the shared feature-tab fixture.
#pragma once

#include "support/feature_tab_fixture.h"

namespace bw::test {

class ProfileTabTest : public FeatureTabTest {};

}  // namespace bw::test
