#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

#include "app/services/FormAbout.h"
#include "support/ModalWatcher.h"

using namespace quorvane;

TEST(FormAbout, ShowsNameAndVersionUnclippedCentredOnItsOwnersScreenAndClosesWithOK)
{
    QWidget owner;
    ModalWatcher<FormAbout> watcher([&owner](FormAbout& form) {
        EXPECT_EQ(form.windowTitle(), QStringLiteral("About"));
        EXPECT_EQ(form.parentWidget(), &owner);
        EXPECT_EQ(form.geometry().center(), form.screen()->availableGeometry().center());
        EXPECT_EQ(form.LabelVer->text(), QStringLiteral("Quorvane 1.0"));
        for (const QLabel* label : {form.LabelVer, form.LabelCopyright}) {
            const QFontMetrics metrics(label->font());
            EXPECT_LE(metrics.horizontalAdvance(label->text()), label->width()) << label->text().toStdString();
            EXPECT_LE(metrics.height(), label->height()) << label->text().toStdString();
        }
        form.CmdOK->click();
    });
    ShowAbout(&owner);
    EXPECT_EQ(watcher.Seen(), 1);
}
