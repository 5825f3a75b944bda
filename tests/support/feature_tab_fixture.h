// The real window on a folder of its own, with the helpers every feature tab's tests use.
#pragma once

#include <QAbstractButton>
#include <QApplication>
#include <QFocusEvent>
#include <QGroupBox>
#include <QLineEdit>
#include <QListWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QTest>
#include <sstream>

#include "cli/cli.h"
#include "support/window_fixture.h"
#include "ui/feature_tab.h"

namespace bw::test {

using Messages = std::vector<std::string>;

class FeatureTabTest : public WindowTest {
  protected:
    // Starts with an insertion-info file that start-up consumes: point (2,3), scale .5,
    // layer L1. The settings name the hidden layer HIDDEN and the clearance .015.
    void StartWithInfo(const std::string& info = "A,2,3,1,.5,[L1]") {
        ws_.WriteInfo(info);
        ASSERT_TRUE(Start());
        Window().showNormal();
        ASSERT_EQ(TakeMessages(), Messages{});
        ASSERT_TRUE(App().State().InsertionInfoRead);
    }

    // Starts without an info file (one message), then leaves one for the next OK.
    void StartThenLeaveInfo(const std::string& info = "A,2,3,1,.5,[L1]") {
        ASSERT_TRUE(Start());
        Window().showNormal();
        ASSERT_EQ(TakeMessages(), Messages{"Insertion Info NOT Found, Using Defaults"});
        ASSERT_FALSE(App().State().InsertionInfoRead);
        ws_.WriteInfo(info);
    }

    // The lines of a list, as shown.
    std::vector<std::string> Entries(const char* listName) {
        std::vector<std::string> entries;
        auto* list = Find<QListWidget>(listName);
        if (!list) return entries;
        for (int i = 0; i < list->count(); ++i) {
            entries.push_back(list->item(i)->text().toStdString());
        }
        return entries;
    }

    std::string Caption(const char* name) {
        if (auto* button = main_->findChild<QAbstractButton*>(QString::fromLatin1(name))) {
            // The caption as read: the mnemonic marker is not part of it.
            return button->text().remove(QLatin1Char('&')).toStdString();
        }
        if (auto* frame = main_->findChild<QGroupBox*>(QString::fromLatin1(name))) {
            return frame->title().toStdString();
        }
        ADD_FAILURE() << "no captioned control named " << name;
        return {};
    }

    // The caption of the frame a box or list sits in.
    std::string FrameOf(const char* name) {
        auto* frame = qobject_cast<QGroupBox*>(Find<QWidget>(name)->parentWidget());
        return frame ? frame->title().toStdString() : "<no frame>";
    }

    bool Checked(const char* name) { return Find<QAbstractButton>(name)->isChecked(); }
    bool Enabled(const char* name) { return Find<QWidget>(name)->isEnabled(); }
    std::string Text(const char* name) { return Find<QLineEdit>(name)->text().toStdString(); }

    // The keyboard focus arriving at a control, as the Tab key would bring it.
    void FocusIn(const char* name) {
        QFocusEvent in(QEvent::FocusIn, Qt::TabFocusReason);
        QApplication::sendEvent(Find<QWidget>(name), &in);
    }

    static std::vector<std::string> Split(const std::string& text, char separator) {
        std::vector<std::string> parts;
        std::istringstream in(text);
        for (std::string part; std::getline(in, part, separator);) parts.push_back(part);
        return parts;
    }

    // The steps a user takes, written the way the tables write them, separated by ";":
    // "pick List1 9", "click Option02", "type Text6 .5" (nothing after the name empties the
    // box), or "cell 1 2 0.5" (select a shaft grid cell, type the value, press "Enter Value").
    void Do(const std::string& steps) {
        for (const std::string& step : Split(steps, ';')) {
            if (step.find_first_not_of(' ') != std::string::npos) DoStep(step);
        }
    }

  private:
    void DoStep(const std::string& step) {
        std::istringstream in(step);
        std::string verb, name, rest;
        in >> verb >> name;
        std::getline(in >> std::ws, rest);
        if (verb == "pick") {
            Pick(name.c_str(), std::stoi(rest));
        } else if (verb == "click") {
            Click(name.c_str());
        } else if (verb == "type") {
            Type(name.c_str(), QString::fromStdString(rest));
        } else if (verb == "cell") {
            std::istringstream cell(rest);
            int column = 0;
            std::string value;
            cell >> column >> value;
            Find<QTableWidget>("MSFlexGrid1")->setCurrentCell(std::stoi(name), column);
            Type("Text14", QString::fromStdString(value));
            Click("Command18");
        } else {
            ADD_FAILURE() << "unknown step " << step;
        }
    }

  protected:
    // The tab a control sits on.
    FeatureTab* TabOf(const char* name) {
        for (QWidget* w = Find<QWidget>(name); w; w = w->parentWidget()) {
            if (auto* tab = qobject_cast<FeatureTab*>(w)) return tab;
        }
        return nullptr;
    }

    // What brasswick-script prints for the same choices.
    cli::Result Cli(std::vector<std::string> args) { return cli::Run(args, ws_.program); }

    bool InfoFileLeft() { return Exists(ws_.InfoPath()); }
};

}  // namespace bw::test
