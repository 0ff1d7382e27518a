// The data windows: values shown in the project's units and written back,
// and entries outside their range refused.
#include "project/program_data.h"
#include "project/project_tables.h"
#include "shell/data_forms.h"

#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <gtest/gtest.h>

namespace korvex::app {
namespace {

struct TFormFixture {
    TProjectTables tables;
    TProgramData project{tables};
    QStringList rejections;

    void Watch(TDataForm& form) {
        QObject::connect(&form, &TDataForm::rejected, [this](const QString& text) { rejections << text; });
    }
};

QList<TNumberField*> Fields(QWidget& form) { return form.findChildren<TNumberField*>(); }

TEST(DataFormsTest, IncrementsAbove300AreRefusedAndNothingIsWritten) {
    TFormFixture f;
    f.project.Increments = 40;
    TWallPropertiesForm form(f.project, {});
    f.Watch(form);
    form.ShowValues();
    Fields(form).at(0)->setText(QStringLiteral("301"));

    EXPECT_FALSE(form.Commit());
    EXPECT_EQ(f.project.Increments, 40);
    EXPECT_EQ(f.rejections.size(), 1);

    Fields(form).at(0)->setText(QStringLiteral("2*25"));
    EXPECT_TRUE(form.Commit());
    EXPECT_EQ(f.project.Increments, 50);
}

TEST(DataFormsTest, EnglishDepthsAreShownInFeetAndLoadsPerSquareFoot) {
    TFormFixture f;
    f.project.Units = 1;
    TWallConfigurationForm form(f.project);
    form.ShowValues();
    const QList<TNumberField*> fields = Fields(form);
    fields.at(0)->setText(QStringLiteral("20"));   // free height, ft
    fields.at(5)->setText(QStringLiteral("144"));  // uniform load, lb/ft^2
    ASSERT_TRUE(form.Commit());
    EXPECT_EQ(f.project.FreeHeight, 240);
    EXPECT_EQ(f.project.UniformLoad, 1);

    TWallPropertiesForm properties(f.project, {});
    properties.ShowValues();
    EXPECT_EQ(Fields(properties).at(2)->text(), QStringLiteral("20"));
}

TEST(DataFormsTest, EveryWallConfigurationCaptionCarriesItsEnglishUnit) {
    TFormFixture f;
    f.project.Units = 1;
    TWallConfigurationForm form(f.project);
    form.ShowValues();
    QStringList captions;
    for (const QLabel* label : form.findChildren<QLabel*>()) captions << label->text();
    EXPECT_TRUE(captions.contains(QStringLiteral("&Free Height of Wall, H (ft)")));
    EXPECT_TRUE(captions.contains(QStringLiteral("Uniform Distributed Load at the top of backfill side  (lbs/ft^2)")));
    EXPECT_TRUE(captions.contains(QStringLiteral("Slope of the backfill, Beta (deg.)")));
}

TEST(DataFormsTest, UserEarthPressureDisablesTheGeneratedPressureFields) {
    TFormFixture f;
    f.project.EarthShape = 1;
    TWallConfigurationForm form(f.project);
    form.ShowValues();
    const QList<TNumberField*> fields = Fields(form);
    EXPECT_TRUE(fields.at(4)->isEnabled());
    for (int i = 5; i < 8; ++i) EXPECT_FALSE(fields.at(i)->isEnabled());
}

TEST(DataFormsTest, ClearingTheLoadsBoxSwitchesTheOptionOffOnCommit) {
    TFormFixture f;
    f.project.UseLoads = true;
    TOptionTableForm form(f.project, {}, &TProgramData::UseLoads, QStringLiteral("Apply &Concentrated Loads"),
                          QStringLiteral("&Edit Concentrated Loads"), f.tables.BoundCond());
    bool cleared = false;
    QObject::connect(&form, &TOptionTableForm::optionCleared, [&](TGridTable&) { cleared = true; });
    form.ShowValues();
    form.findChild<QCheckBox*>()->click();
    EXPECT_TRUE(cleared);
    EXPECT_TRUE(f.project.UseLoads);
    ASSERT_TRUE(form.Commit());
    EXPECT_FALSE(f.project.UseLoads);
    EXPECT_TRUE(f.project.IsModified());
}

}  // namespace
}  // namespace korvex::app
