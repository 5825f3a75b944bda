// A host made of a few fields, so the preview pane can be built and driven alone: the insertion
// info is whatever the test sets. The preview never shows a message box nor runs an OK, so
// either one fails the test.
#pragma once

#include <gtest/gtest.h>

#include <string>

#include "ui/host.h"

namespace bw::test {

class FakeHost : public Host {
  public:
    std::string ProgramFolder() const override { return "."; }
    void ShowMessage(const std::string& text) override { ADD_FAILURE() << "a message: " << text; }
    DrawContext CurrentDrawContext() const override { return context; }
    bool RunFeatureOk(InfoTiming, const FeatureStep&) override {
        ADD_FAILURE() << "an OK ran";
        return false;
    }
    int DirectionAngle() const override { return 0; }
    void SetDirectionAngle(int) override {}
    void BringToFront(QWidget*) override {}

    DrawContext context;
};

}  // namespace bw::test
