#include "dialogs/dialog_look.h"

#include <QDialog>
#include <QGuiApplication>
#include <QPushButton>
#include <QScreen>

namespace velmar {

QFont FontByPixels(const QString& face, int pixelHeight, QFont::StyleHint kind)
{
    QFont font(face);
    font.setPixelSize(pixelHeight);
    font.setStyleHint(kind);
    return font;
}

QFont DialogControlFont()
{
    return FontByPixels(QStringLiteral("MS Sans Serif"), 11, QFont::SansSerif);
}

void MakeFixedDialog(QDialog& dialog, const QString& caption, QSize clientSize)
{
    dialog.setWindowTitle(caption);
    dialog.setWindowFlags(Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint
                          | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint);
    dialog.setFixedSize(clientSize);

    const QWidget* owner = dialog.parentWidget();
    QScreen* screen = owner != nullptr ? owner->screen() : QGuiApplication::primaryScreen();
    if (screen != nullptr) {
        QRect frame(QPoint(), clientSize);
        frame.moveCenter(screen->availableGeometry().center());
        dialog.move(frame.topLeft());
    }
}

QPushButton* MakeGlyphButton(QWidget* parent, const QString& objectName, const QString& caption,
                             QStyle::StandardPixmap glyph, QRect geometry)
{
    auto* button = new QPushButton(parent->style()->standardIcon(glyph), caption, parent);
    button->setObjectName(objectName);
    button->setFont(DialogControlFont());
    button->setGeometry(geometry);
    return button;
}

QPushButton* MakeHelpButton(QWidget* parent, QRect geometry)
{
    QPushButton* button
        = MakeGlyphButton(parent, QStringLiteral("btn_Help"), QString(), QStyle::SP_DialogHelpButton, geometry);
    button->setToolTip(QObject::tr("Help"));
    button->setAccessibleName(QObject::tr("Help"));
    button->setAccessibleDescription(QObject::tr("Opens the help topic about this dialog."));
    button->setAutoDefault(false);
    return button;
}

QPushButton* MakeOkButton(QDialog& dialog, QRect geometry)
{
    QPushButton* button
        = MakeGlyphButton(&dialog, QStringLiteral("btn_OK"), QObject::tr("OK"), QStyle::SP_DialogOkButton, geometry);
    button->setDefault(true);
    button->setAccessibleDescription(QObject::tr("Closes the dialog and applies what it shows."));
    QObject::connect(button, &QPushButton::clicked, &dialog, &QDialog::accept);
    return button;
}

QPushButton* MakeCancelButton(QDialog& dialog, QRect geometry)
{
    QPushButton* button = MakeGlyphButton(&dialog, QStringLiteral("btn_Cancel"), QObject::tr("Cancel"),
                                          QStyle::SP_DialogCancelButton, geometry);
    button->setAccessibleDescription(QObject::tr("Closes the dialog without changing anything."));
    QObject::connect(button, &QPushButton::clicked, &dialog, &QDialog::reject);
    return button;
}

QPushButton* MakeResetButton(QDialog& dialog, QRect geometry, const QString& description)
{
    auto* button = new QPushButton(QObject::tr("Reset"), &dialog);
    button->setObjectName(QStringLiteral("btn_Reset"));
    button->setFont(DialogControlFont());
    button->setGeometry(geometry);
    button->setAutoDefault(false);
    button->setAccessibleDescription(description);
    return button;
}

} // namespace velmar
