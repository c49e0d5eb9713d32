// Settings panel: rows bound to the panel's settings model, the first field focused, up and down
// between the fields, loading, and rows that do not fit.
#include "KestraTest.h"

#include "GuiKeyDriver.h"

#include "V40_GUI_HLabeledWidget.h"
#include "V40_GUI_SettingsModel.h"
#include "V40_GUI_SettingsPanel.h"
#include "V40_GUI_ValueModel.h"
#include "V40_GUI_ValueWidget.h"

#include <QSpacerItem>

using namespace GuiKeyDriver;
using V40::GUI::SettingsModelC;
using V40::GUI::SettingsPanelC;
using V40::GUI::ValueWidgetC;

namespace {

// Reads fixed values, as a concrete settings model reads the instrument.
class ReadingModelC : public SettingsModelC
{
public:
    bool readValues() override
    {
        const QList<int> listKeys = inputModelKeys();
        for (int iKey : listKeys)
            setValue(iKey, QString("read %1").arg(iKey));
        return true;
    }
};

class ReadingPanelC : public SettingsPanelC
{
protected:
    SettingsModelC* createModel() override { return new ReadingModelC(); }
};

} // namespace

class SettingsPanelTest : public QObject
{
    Q_OBJECT

private slots:
    void init()
    {
        setUpFrame();
        KestraTest::clearReports();
    }

    void cleanup() { tearDownFrame(); }

    void rowsAndModel()
    {
        ReadingPanelC oPanel;
        QVERIFY(dynamic_cast<ReadingModelC*>(oPanel.getModel()));
        QCOMPARE(oPanel.getModel()->parent(), &oPanel);
        QCOMPARE(oPanel.getModel(), oPanel.getModel());

        oPanel.addValueWidget(1, "x", "y", "Null", nullptr);
        QCOMPARE(KestraTest::assertTexts(), QStringList {"pWidget"});

        ValueWidgetC* pWidget = new ValueWidgetC();
        oPanel.addValueWidget(7, "current", "factory", "Caption", pWidget);
        QVERIFY(oPanel.getRow(7));
        QCOMPARE(oPanel.getRow(7)->getValueWidget(), pWidget);
        QCOMPARE(oPanel.getModel()->getValue(7), QVariant("current"));
        QVERIFY(!oPanel.getModel()->isModified());
        oPanel.getModel()->setToDefault();
        QCOMPARE(pWidget->getValue(), QVariant("factory"));

        oPanel.loadValues();
        QCOMPARE(pWidget->getValue(), QVariant("read 7"));
        QVERIFY(!oPanel.getModel()->isModified());
        QCOMPARE(KestraTest::assertTexts(), QStringList {"pWidget"});

        // A plain settings model reads nothing: reported.
        SettingsPanelC oPlain;
        oPlain.loadValues();
        QCOMPARE(KestraTest::assertTexts().last(), QString("getModel() && getModel()->load()"));
    }

    void focusAndArrows()
    {
        SettingsPanelC oPanel;
        ValueWidgetC* pDisplay = new ValueWidgetC(nullptr, ValueWidgetC::MODE_DISPLAY_ONLY);
        QList<ValueWidgetC*> listFields;
        oPanel.addValueWidget(0, "shown", "shown", "Display", pDisplay);
        for (int iField = 1; iField <= 3; ++iField) {
            listFields << new ValueWidgetC();
            oPanel.addValueWidget(iField, iField, iField, QString("Field %1").arg(iField), listFields.last());
        }
        mainWindow()->setContentBar(&oPanel);
        QVERIFY(KestraTest::waitFor([&] { return listFields[0]->hasFocus(); }));

        pressKey(Qt::Key_Down);
        QVERIFY(listFields[1]->hasFocus());
        pressKey(Qt::Key_Down);
        QVERIFY(listFields[2]->hasFocus());
        pressKey(Qt::Key_Up);
        pressKey(Qt::Key_Up);
        QVERIFY(listFields[0]->hasFocus());
        mainWindow()->setEmptyContentBar();
    }

    void rowsThatDoNotFitMoveCloser_data()
    {
        QTest::addColumn<int>("iRows");
        QTest::addColumn<bool>("bSqueezed");
        QTest::newRow("fits") << 3 << false;
        QTest::newRow("too many") << 9 << true;
    }

    void rowsThatDoNotFitMoveCloser()
    {
        QFETCH(int, iRows);
        QFETCH(bool, bSqueezed);
        SettingsPanelC oPanel;
        for (int iRow = 0; iRow < iRows; ++iRow)
            oPanel.addValueWidget(iRow, iRow, iRow, QString("Row %1").arg(iRow), new ValueWidgetC());
        const int iSpacingBefore = oPanel.panelLayout()->spacing();
        mainWindow()->setContentBar(&oPanel);

        QCOMPARE(oPanel.panelLayout()->itemAt(0)->spacerItem() == nullptr, bSqueezed);
        QCOMPARE(oPanel.panelLayout()->spacing(), bSqueezed ? 5 : iSpacingBefore);
        QCOMPARE(oPanel.panelLayout()->count(), iRows + (bSqueezed ? 0 : 1));
        mainWindow()->setEmptyContentBar();
    }
};

KESTRA_TEST_MAIN(SettingsPanelTest)
#include "tst_V40_GUI_SettingsPanel.moc"
