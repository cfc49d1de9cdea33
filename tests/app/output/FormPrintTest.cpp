#include "app/output/FormPrint.h"

#include <gtest/gtest.h>

#include <QComboBox>
#include <QMessageBox>

#include "support/ModalWatcher.h"

namespace quorvane {
namespace {

const QStringList kPrinters = {QStringLiteral("Office"), QStringLiteral("Plotter"), QStringLiteral("Label")};

TEST(FormPrint, ListsThePrintersWithTheDefaultSelectedElseTheFirst)
{
    const QImage page(1190, 1684, QImage::Format_RGB32);
    FormPrint form(nullptr, page, 6.0, kPrinters, QStringLiteral("Plotter"));
    ASSERT_EQ(form.Combo1->count(), 3);
    EXPECT_EQ(form.Combo1->itemText(2), QStringLiteral("Label"));
    EXPECT_EQ(form.Combo1->currentIndex(), 1);

    for (const QString& absent : {QStringLiteral("plotter"), QStringLiteral("Gone"), QString()})
        EXPECT_EQ(FormPrint(nullptr, page, 6.0, kPrinters, absent).Combo1->currentIndex(), 0);
}

TEST(FormPrint, NoPrinterShowsPrinterNotFoundInsteadOfTheDialog)
{
    MessageBoxWatcher box; // a print dialog instead would fail the test
    ShowPrintDialog(nullptr, QImage(1190, 1684, QImage::Format_RGB32), 6.0, {}, {});
    EXPECT_TRUE(box.Seen().shown);
    EXPECT_EQ(box.Seen().title, QStringLiteral("Error"));
    EXPECT_EQ(box.Seen().icon, QMessageBox::Critical);
    EXPECT_EQ(box.Seen().text, QStringLiteral("Printer not found"));
}

} // namespace
} // namespace quorvane
