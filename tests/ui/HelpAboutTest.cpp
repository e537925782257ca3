#include "Version.h"
#include "WindowFixture.h"

#include "ui/AboutText.h"
#include "ui/widgets/DayCell.h"
#include "ui/widgets/Image.h"
#include "ui/widgets/Label.h"
#include "ui/widgets/StateColorButton.h"
#include "ui/widgets/TabControl.h"
#include "ui/widgets/TapArea.h"

#include <QApplication>
#include <QDesktopServices>
#include <QLineEdit>
#include <QScrollArea>
#include <QScrollBar>
#include <QUrl>

namespace tenvik::test {
namespace {

using namespace Main;

// Takes the links the window hands to the desktop, so no browser or mail program starts.
class LinkCatcher : public QObject {
    Q_OBJECT
public:
    std::vector<QString> opened;

public slots:
    void open(const QUrl& url) { opened.push_back(url.toString(QUrl::FullyEncoded)); }
};

class HelpAboutWindowTest : public WindowTest {
protected:
    void SetUp() override
    {
        for (const char* scheme : {"http", "mailto"})
            QDesktopServices::setUrlHandler(QString::fromLatin1(scheme), &m_links, "open");
    }
    void TearDown() override
    {
        for (const char* scheme : {"http", "mailto"})
            QDesktopServices::unsetUrlHandler(QString::fromLatin1(scheme));
    }

    LinkCatcher m_links;
};

TEST_F(HelpAboutWindowTest, EachLinkHandsOverItsOneAddressAndChangesNothing)
{
    TMainForm& w = open();
    w.tabCtrl->setCurrentWidget(w.tabAbout);
    const DayNumber shown = CurrentDate;
    const std::pair<StateColorButton*, const char*> links[] = {
        {w.sbHelp1, "http://tenvik.example.org/win-issues.htm"},
        {w.sbHelp2, "mailto:support@tenvik.example.org?subject=Support%20Request"},
    };
    for (const auto& [button, url] : links) {
        SCOPED_TRACE(url);
        m_links.opened.clear();
        QTest::mouseClick(button, Qt::LeftButton);
        EXPECT_EQ(m_links.opened, std::vector<QString>{QString::fromLatin1(url)});
        EXPECT_EQ(w.tabCtrl->currentWidget(), w.tabAbout);
        EXPECT_EQ(CurrentDate, shown);
    }
    EXPECT_EQ(w.sbHelp1->text(), QStringLiteral("tenvik.example.org/issues.htm"));
    EXPECT_EQ(w.sbHelp2->text(), QStringLiteral("email: support@tenvik.example.org"));
}

TEST_F(HelpAboutWindowTest, PagesShowTheirPicturesAndTheAboutTextAsTenLines)
{
    TMainForm& w = open(Show::No);
    EXPECT_EQ(w.imgHelp->pictureForScale(1.0).size(), QSize(761, 1067));
    EXPECT_EQ(w.imgHelpCalendar->pictureForScale(1.0).width(), 761);
    EXPECT_EQ(w.imgSextant->pictureForScale(1.0).size(), QSize(250, 212));
    EXPECT_EQ(w.imgSextant->pictureForScale(2.0).size(), QSize(500, 424));
    EXPECT_EQ(w.imgSextant->opacity(), 0.1);
    // The watermark lies over the text it shares the page with.
    const QObjectList& about = w.lblAbout->parentWidget()->children();
    EXPECT_GT(about.indexOf(w.imgSextant), about.indexOf(w.lblAbout));

    const QStringList lines = w.lblAbout->text().split(u'\n');
    ASSERT_EQ(lines.size(), 10);
    EXPECT_EQ(lines[0], QStringLiteral("Tenvik for Ostrand Fire v" TENVIK_VERSION));
    EXPECT_EQ(lines[5], QStringLiteral("double-click on background of Settings tab"));
    EXPECT_EQ(lines[9], QStringLiteral("http://tenvik.example.org"));
}

// Both Help pictures, the Settings page above the key to the Calendar page, each as wide
// as the page allows; the page scrolls through them. The About page scrolls when the
// window is lower than its text and links, and its text keeps off the window's edges.
TEST_F(HelpAboutWindowTest, HelpAndAboutPagesScrollThroughAllTheyHold)
{
    TMainForm& w = open();
    w.tabCtrl->setCurrentWidget(w.tabHelp);
    QApplication::processEvents();
    const auto* help = w.tabHelp->findChild<QScrollArea*>(QStringLiteral("scHelp"));
    ASSERT_NE(help, nullptr);
    const QRect settings = w.imgHelp->geometry();
    const QRect key = w.imgHelpCalendar->geometry();
    EXPECT_GT(key.top(), settings.bottom());
    EXPECT_EQ(settings.left(), 10);
    EXPECT_EQ(settings.width(), help->viewport()->width() - 20);
    EXPECT_EQ(settings.height(), w.imgHelp->heightForWidth(settings.width()));
    EXPECT_EQ(key.height(), w.imgHelpCalendar->heightForWidth(key.width()));
    EXPECT_GT(help->widget()->height(), help->viewport()->height());
    EXPECT_GT(help->verticalScrollBar()->maximum(), 0);
    EXPECT_EQ(w.imgHelpCalendar->accessibleName(), QStringLiteral("Key to the calendar"));

    w.tabCtrl->setCurrentWidget(w.tabAbout);
    const auto* about = w.tabAbout->findChild<QScrollArea*>(QStringLiteral("scAbout"));
    ASSERT_NE(about, nullptr);
    w.resize(w.width(), w.minimumHeight());
    QApplication::processEvents();
    EXPECT_GT(about->verticalScrollBar()->maximum(), 0);
    // Scrolled to the end, the links show whole.
    about->verticalScrollBar()->setValue(about->verticalScrollBar()->maximum());
    const QRect link(w.sbHelp2->mapTo(about->viewport(), QPoint(0, 0)), w.sbHelp2->size());
    EXPECT_TRUE(about->viewport()->rect().contains(link));
    const QRect text = w.lblAbout->contentsRect();
    EXPECT_GE(text.left(), 10);
    EXPECT_LE(text.right(), w.lblAbout->width() - 10);

    w.tabCtrl->setCurrentWidget(w.tabSettings);
    const auto* settingsPage = w.tabSettings->findChild<QScrollArea*>(QStringLiteral("scSettings"));
    ASSERT_NE(settingsPage, nullptr);
    EXPECT_GT(settingsPage->verticalScrollBar()->maximum(), 0);
    EXPECT_GE(w.loSettings->height(), w.edAgency->geometry().bottom());
}

TEST_F(HelpAboutWindowTest, APictureIsReadWhenItsPageShowsAndLetGoWhenItHides)
{
    TMainForm& w = open();
    EXPECT_FALSE(w.imgHelp->holdsDecodedPicture());
    EXPECT_FALSE(w.imgHelpCalendar->holdsDecodedPicture());
    EXPECT_FALSE(w.imgSextant->holdsDecodedPicture());

    w.tabCtrl->setCurrentWidget(w.tabHelp);
    w.imgHelp->repaint();
    w.imgHelpCalendar->repaint();
    EXPECT_TRUE(w.imgHelp->holdsDecodedPicture());
    EXPECT_TRUE(w.imgHelpCalendar->holdsDecodedPicture());
    EXPECT_FALSE(w.imgSextant->holdsDecodedPicture());

    // Back on the calendar only the copy scaled for the screen stays.
    w.tabCtrl->setCurrentWidget(w.tabCalendar);
    EXPECT_FALSE(w.imgHelp->holdsDecodedPicture());
    EXPECT_FALSE(w.imgHelpCalendar->holdsDecodedPicture());
    w.tabCtrl->setCurrentWidget(w.tabHelp);
    w.imgHelp->repaint();
    EXPECT_FALSE(w.imgHelp->holdsDecodedPicture()); // same size: the scaled copy serves
}

} // namespace
} // namespace tenvik::test

#include "HelpAboutTest.moc"
