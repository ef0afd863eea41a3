// Proportional layout of the main window: controls scale with the window's outer size,
// come back to their places on restore, and the stored window state follows the window.
#include <set>

#include "window_fixture.h"

namespace varimonde {
namespace {

using MainWindowLayoutTest = WindowTest;

struct Place {
    int left, top, width, height;
    bool operator==(const Place&) const = default;
};

void PrintTo(const Place& p, std::ostream* out) {
    *out << p.left << "," << p.top << " " << p.width << "x" << p.height;
}

Place placeOf(const QWidget* control) {
    const QRect r = control->geometry();
    return {r.x(), r.y(), r.width(), r.height()};
}

std::vector<Place> placesOf(MainWindow& w) {
    std::vector<Place> places;
    for (const QWidget* control : w.layoutControls()) places.push_back(placeOf(control));
    return places;
}

// Each control at its earlier place scaled by sx, sy. Products are truncated, and the places
// seen after start-up are themselves one truncation away from the design, so a scaled place
// may be off by one pixel plus the scale.
void expectScaled(MainWindow& w, const std::vector<Place>& recorded, double sx, double sy) {
    const double acrossSlack = 1.0 + (sx > 1.0 ? sx : 0.0);
    const double downSlack = 1.0 + (sy > 1.0 ? sy : 0.0);
    const std::vector<QWidget*>& controls = w.layoutControls();
    ASSERT_EQ(controls.size(), recorded.size());
    for (std::size_t i = 0; i < controls.size(); ++i) {
        SCOPED_TRACE(controls[i]->metaObject()->className() + std::string(" #") + std::to_string(i));
        const Place now = placeOf(controls[i]);
        const Place& was = recorded[i];
        EXPECT_NEAR(now.left, was.left * sx, acrossSlack);
        EXPECT_NEAR(now.top, was.top * sy, downSlack);
        EXPECT_NEAR(now.width, was.width * sx, acrossSlack);
        EXPECT_NEAR(now.height, was.height * sy, downSlack);
    }
}

void settle() {
    for (int i = 0; i < 3; ++i) QApplication::processEvents();
}

TEST_F(MainWindowLayoutTest, StartsAtTheDesignSizeWithEveryControlListedOnce) {
    MainWindow& w = start();
    settle();
    EXPECT_EQ((std::pair{w.outerWidth(), w.outerHeight()}), (std::pair{822, 581}));
    EXPECT_EQ(w.layoutControls().size(), 42u);
    EXPECT_EQ(std::set<QWidget*>(w.layoutControls().begin(), w.layoutControls().end()).size(), 42u);
    EXPECT_EQ(placeOf(w.编辑框5), (Place{208, 338, 594, 49}));
    EXPECT_EQ(placeOf(w.超级列表框对比2), (Place{312, 74, 296, 150}));
}

TEST_F(MainWindowLayoutTest, DoubledWidthScalesEveryControlAcross) {
    MainWindow& w = start();
    settle();
    const std::vector<Place> recorded = placesOf(w);

    w.setOuterSize(1644, 581);
    settle();
    EXPECT_EQ(placeOf(w.编辑框5), (Place{416, 338, 1188, 49}));
    expectScaled(w, recorded, 2.0, 1.0);
}

TEST_F(MainWindowLayoutTest, MaximiseAndRestoreScaleStoreAndComeBack) {
    MainWindow& w = start();
    settle();
    const std::vector<Place> recorded = placesOf(w);
    const int normalValueListWidth = w.超级列表框值对比3->width();

    w.showMaximized();
    settle();
    ASSERT_TRUE(w.isMaximized());
    EXPECT_EQ(storedSetting(u8"窗口位置"), "3");
    expectScaled(w, recorded, w.outerWidth() / 822.0, w.outerHeight() / 581.0);
    EXPECT_EQ(w.状态条1->geometry().bottom(), w.height() - 1);
    // The value columns follow the list's width at the normal size, so that both fit.
    const int valueColumn = static_cast<int>(normalValueListWidth / 1.4);
    EXPECT_EQ((std::pair{w.超级列表框值对比3->columnWidthOf(2), w.超级列表框值对比3->columnWidthOf(3)}),
              (std::pair{valueColumn, valueColumn}));

    w.showNormal();
    settle();
    EXPECT_EQ(storedSetting(u8"窗口位置"), "1");
    EXPECT_EQ((std::pair{w.outerWidth(), w.outerHeight()}), (std::pair{822, 581}));
    expectScaled(w, recorded, 1.0, 1.0);
    EXPECT_EQ((std::pair{w.超级列表框值对比3->columnWidthOf(2), w.超级列表框值对比3->columnWidthOf(3)}),
              (std::pair{215, 215}));
}

TEST_F(MainWindowLayoutTest, MinimisingStoresNoWindowState) {
    MainWindow& w = start();
    settle();
    storeSetting(u8"窗口位置", u8"9");
    w.showMinimized();
    settle();
    EXPECT_EQ(storedSetting(u8"窗口位置"), "9");
}

TEST_F(MainWindowLayoutTest, ValueColumnsFillTheListsAfterAResize) {
    MainWindow& w = start();
    w.编辑框1->setText("a=1;bb=2");
    w.编辑框2->setText("a=1;c=3");
    w.按钮1->click();

    w.setOuterSize(1200, 700);
    settle();
    for (ReportList* list : {w.超级列表框对比1, w.超级列表框对比2, w.超级列表框结果1, w.超级列表框结果2}) {
        SCOPED_TRACE(list->columnTitle(1));
        EXPECT_EQ(list->columnWidthOf(2), list->width() - list->columnWidthOf(0) - list->columnWidthOf(1) - 20);
    }
}

TEST_F(MainWindowLayoutTest, NarrowValueColumnOfASideListTakesAHundredFromTheNameColumn) {
    MainWindow& w = start();
    w.编辑框1->setText(std::string(300, 'n') + "=1;b=2");

    w.setOuterSize(900, 581);
    settle();
    ReportList& list = *w.超级列表框对比1;
    const int nameColumn = list.columnWidthOf(1);
    EXPECT_EQ(list.columnWidthOf(2), 100);
    list.fitColumn(1);
    EXPECT_EQ(nameColumn, list.columnWidthOf(1) - 97);
}

}  // namespace
}  // namespace varimonde
