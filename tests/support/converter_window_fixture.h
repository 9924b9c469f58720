#pragma once

#include <QLabel>
#include <QLineEdit>
#include <QTabBar>
#include <QTest>

#include <memory>

#include <gtest/gtest.h>

#include "tests/support/fault_recorder.h"
#include "window/converter_window.h"
#include "window/tab_set.h"
#include "window/unit_list_box.h"
#include "window/upper_case_line_edit.h"

namespace velmar {

// A converter window built as at a first start (the test main empties the
// configuration folder before each test), its controls found by name, and the
// general error reports recorded.
class ConverterWindowTest : public ::testing::Test {
protected:
    void SetUp() override { openWindow(); }

    void TearDown() override { window.reset(); }

    // Builds the window as the program starts it, from whatever settings file
    // there is, and finds its controls.
    void openWindow()
    {
        window = std::make_unique<Tfrm_Converter>(RegionalMarks{});
        tabSet = control<TabSet>("TabSet1");
        tabBar = tabSet->findChild<QTabBar*>();
        txtIn = control<UpperCaseLineEdit>("txt_In");
        txtOut = control<QLineEdit>("txt_Out");
        lstIn = control<UnitListBox>("lst_In");
        lstOut = control<UnitListBox>("lst_Out");
        lab2 = control<QLabel>("lab2");
    }

    template <typename Control>
    Control* control(const char* name)
    {
        auto* found = window->findChild<Control*>(QLatin1String(name));
        EXPECT_NE(found, nullptr) << name;
        return found;
    }

    void showWindow()
    {
        window->show();
        window->activateWindow();
        ASSERT_TRUE(QTest::qWaitForWindowActive(window.get()));
    }

    CategoryMemory& memory(int category) { return window->converterState().Memory[category]; }
    const UnitCatalogue& catalogue() { return window->catalogue(); }

    FaultRecorder faults;
    std::unique_ptr<Tfrm_Converter> window;
    TabSet* tabSet = nullptr;
    QTabBar* tabBar = nullptr;
    UpperCaseLineEdit* txtIn = nullptr;
    QLineEdit* txtOut = nullptr;
    UnitListBox* lstIn = nullptr;
    UnitListBox* lstOut = nullptr;
    QLabel* lab2 = nullptr;
};

// List positions in Length and the catalogue indices the tests use.
inline constexpr int KilometerPosition = 0;
inline constexpr int MeterPosition = 3;
inline constexpr int FootPosition = 19;
inline constexpr int InchPosition = 21;

} // namespace velmar
