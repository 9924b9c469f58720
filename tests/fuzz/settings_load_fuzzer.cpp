// Loading the settings file from any bytes into the converter window (never
// shown): the window is built without an error other than the documented
// overflow of a remembered input, every tab then switches to a category with
// valid unit selections, and what the window saves at its end is what the
// next start loads.
#include <QApplication>
#include <QDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <memory>

#include "settings/profile/settings_file.h"
#include "tests/fuzz/fuzz_support.h"
#include "window/converter_window.h"
#include "window/fault_report.h"
#include "window/tab_set.h"
#include "window/unit_list_box.h"

namespace velmar::fuzz {
namespace {

const QString OverflowReport = QStringLiteral("Floating point overflow.");
const QString TabOrderResetNotice
    = QStringLiteral("Because of the addition of new unit categories in this version of Velmar Converter, any custom "
                     "category arranging will need to be redone.");

// Accepts every modal box as soon as it shows; only the notice that the tab
// order was reset may appear.
class ModalAnswerer : public QObject {
protected:
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        auto* dialog = qobject_cast<QDialog*>(watched);
        if (event->type() == QEvent::Show && dialog != nullptr && dialog->isModal()) {
            const auto* box = qobject_cast<QMessageBox*>(dialog);
            if (box == nullptr || box->text() != TabOrderResetNotice)
                fail("an unexpected modal window", dialog->windowTitle().toStdString());
            QMetaObject::invokeMethod(dialog, &QDialog::accept, Qt::QueuedConnection);
        }
        return false;
    }
};

// The general error reports: only the overflow of a remembered input may
// reach it.
void recordFaults()
{
    SetFaultReporter([](QWidget*, const QString& text) {
        if (text != OverflowReport)
            fail("an unexpected error report", text.toStdString());
    });
}

template <typename Control>
Control& control(Tfrm_Converter& window, const char* name)
{
    auto* found = window.findChild<Control*>(QLatin1String(name));
    if (found == nullptr)
        fail("no control named", name);
    return *found;
}

bool isListPosition(int position, int count)
{
    return position >= -1 && position < count;
}

void checkShownCategory(Tfrm_Converter& window)
{
    const TabSet& tabs = control<TabSet>(window, "TabSet1");
    if (tabs.count() != CategoryCount || tabs.tabIndex() < 0 || tabs.tabIndex() >= CategoryCount)
        fail("the tab strip lost its tabs or its selection", tabs.selectedCaption().toStdString());
    const auto& source = control<UnitListBox>(window, "lst_In");
    const auto& target = control<UnitListBox>(window, "lst_Out");
    const int units = static_cast<int>(source.count());
    const int category = Category_Index(tabs.selectedCaption().toStdString());
    const CategoryMemory& memory = window.converterState().Memory[category];
    if (units != window.catalogue().tableSize(category) || target.count() != units)
        fail("the unit lists do not show the category's units", tabs.selectedCaption().toStdString());
    if (!isListPosition(source.selectedPosition(), units) || !isListPosition(target.selectedPosition(), units)
        || !isListPosition(memory.FormatIn, units) || !isListPosition(memory.FormatOut, units))
        fail("a unit selection outside the list", tabs.selectedCaption().toStdString());
    requireOneLineOfPrintableText(control<QLineEdit>(window, "txt_Out").text().toStdString(), "result box");
}

// Shows every tab in turn, as the user clicking through them does.
void showEveryTab(Tfrm_Converter& window)
{
    auto& tabs = control<TabSet>(window, "TabSet1");
    for (int position = 0; position < CategoryCount; ++position) {
        runReportingFaults(&window, [&] { tabs.setTabIndex(position); });
        checkShownCategory(window);
    }
}

// The remembered state that a save and the next load carry over. A value is
// one line: the file stores a carriage return as a blank.
struct Remembered {
    QStringList Captions;
    int TabIndex;
    ResultForm ViewType;
    std::int32_t Precision;
    std::array<CategoryMemory, CategoryCount> Memory;
};

bool sameMemory(const CategoryMemory& a, const CategoryMemory& b)
{
    return a.ValueIn == b.ValueIn && a.FormatIn == b.FormatIn && a.FormatOut == b.FormatOut;
}

Remembered rememberedBy(Tfrm_Converter& window)
{
    const auto& tabs = control<TabSet>(window, "TabSet1");
    Remembered remembered{tabs.tabs(), tabs.tabIndex(), window.numberFormat().ViewType, window.numberFormat().Precision,
                          window.converterState().Memory};
    for (QString& caption : remembered.Captions)
        caption.replace(QLatin1Char('\r'), QLatin1Char(' '));
    for (CategoryMemory& memory : remembered.Memory)
        std::ranges::replace(memory.ValueIn, '\r', ' ');
    return remembered;
}

void writeSettingsFile(std::string_view bytes)
{
    const std::filesystem::path path = settingsFilePath();
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path, std::ios::binary | std::ios::trunc) << bytes;
}

} // namespace
} // namespace velmar::fuzz

extern "C" int LLVMFuzzerInitialize(int* argc, char*** argv)
{
    using namespace velmar::fuzz;
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static QTemporaryDir configuration;
    if (!configuration.isValid())
        fail("cannot create a configuration folder", configuration.errorString().toStdString());
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(configuration.path()));
    static QApplication application(*argc, *argv);
    static ModalAnswerer answerer;
    application.installEventFilter(&answerer);
    recordFaults();
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace velmar::fuzz;
    writeSettingsFile(FuzzInput(data, size).rest());
    Remembered saved;
    {
        velmar::Tfrm_Converter window(velmar::RegionalMarks{});
        checkShownCategory(window);
        showEveryTab(window);
        saved = rememberedBy(window);
    }
    velmar::Tfrm_Converter restarted(velmar::RegionalMarks{});
    // Loading ends with a switch to the selected tab, which records its
    // category again; the saved positions are valid, so nothing changes.
    const Remembered loaded = rememberedBy(restarted);
    if (!(loaded.Captions == saved.Captions && loaded.TabIndex == saved.TabIndex && loaded.ViewType == saved.ViewType
          && loaded.Precision == saved.Precision))
        fail("the tabs or the number format did not come back after a restart", "");
    for (int category = 0; category < velmar::CategoryCount; ++category) {
        if (!sameMemory(loaded.Memory[category], saved.Memory[category]))
            fail("a category's memory did not come back after a restart", loaded.Memory[category].ValueIn);
    }
    return 0;
}
