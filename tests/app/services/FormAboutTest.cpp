#include <gtest/gtest.h>

#include <QFontMetrics>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QWidget>

#include "app/services/FormAbout.h"
#include "support/ModalWatcher.h"

using namespace quorvane;

TEST(FormAbout, ShowsNameAndVersionCentredOverItsOwnerAndClosesWithOKOrTheCloseBox)
{
    QWidget owner;
    ModalWatcher<FormAbout> withOK([&owner](FormAbout& form) {
        EXPECT_EQ(form.windowTitle(), QStringLiteral("About"));
        EXPECT_EQ(form.parentWidget(), &owner);
        EXPECT_EQ(form.size(), QSize(293, 143));
        EXPECT_EQ(form.geometry().center(), form.screen()->availableGeometry().center());
        EXPECT_EQ(form.LabelVer->text(), QStringLiteral("Quorvane 1.0"));
        EXPECT_TRUE(form.LabelVer->font().bold());
        form.CmdOK->click();
    });
    ShowAbout(&owner);
    EXPECT_EQ(withOK.Seen(), 1);

    ModalWatcher<FormAbout> withCloseBox([](FormAbout& form) { form.close(); });
    ShowAbout(&owner);
    EXPECT_EQ(withCloseBox.Seen(), 1);
}

TEST(FormAbout, TextsFitTheirLabels)
{
    const FormAbout form(nullptr);
    for (const QLabel* label : {form.LabelVer, form.LabelCopyright}) {
        const QFontMetrics metrics(label->font());
        EXPECT_LE(metrics.horizontalAdvance(label->text()), label->width()) << label->text().toStdString();
        EXPECT_LE(metrics.height(), label->height()) << label->text().toStdString();
    }
}
