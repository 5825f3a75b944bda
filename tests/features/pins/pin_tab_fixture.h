// The pins tab tests start from the shared feature-tab fixture.
#pragma once

#include "support/feature_tab_fixture.h"

namespace bw::test {

class PinTabTest : public FeatureTabTest {};

}  // namespace bw::test
