#include "shell/ui/Help.h"
#include "support/TestSupport.h"

#include <QHelpContentWidget>
#include <QHelpEngineCore>
#include <QHelpIndexWidget>
#include <QHelpLink>
#include <QTabWidget>
#include <QTest>
#include <QTextBlock>
#include <QTextDocument>
#include <QTextFragment>
#include <gtest/gtest.h>

#include <set>

namespace mienlore {
namespace {

// What a page of the guide holds once the help browser has shown it.
struct ShownPage {
    QString title;
    bool styledHeading = false; // the first heading took the style sheet's colour
    std::set<QString> anchors;  // the names a link can jump to
    std::vector<QUrl> links;    // the links inside the guide, resolved
};

// The whole guide as the help window shows it: every page of its contents,
// read through the help browser.
class HelpGuide : public ::testing::Test {
protected:
    void SetUp() override {
        ASSERT_TRUE(m_help.ShowTopic(&m_owner, help::kContents));
        auto* contents =
            qobject_cast<QHelpContentWidget*>(m_help.Window()->Navigation()->widget(0));
        auto* index = qobject_cast<QHelpIndexWidget*>(m_help.Window()->Navigation()->widget(1));
        ASSERT_NE(contents, nullptr);
        ASSERT_NE(index, nullptr);
        m_contents = qobject_cast<QHelpContentModel*>(contents->model());
        m_index = qobject_cast<QHelpIndexModel*>(index->model());
        ASSERT_NE(m_contents, nullptr);
        ASSERT_NE(m_index, nullptr);
        QTRY_VERIFY_WITH_TIMEOUT(m_contents->rowCount() > 0 && !m_contents->isCreatingContents(),
                                 5000);
        QTRY_VERIFY_WITH_TIMEOUT(m_index->rowCount() > 0 && !m_index->isCreatingIndex(), 5000);
        CollectPages(QModelIndex());
    }

    void CollectPages(const QModelIndex& parent) {
        for (int row = 0; row < m_contents->rowCount(parent); ++row) {
            const QModelIndex child = m_contents->index(row, 0, parent);
            if (QHelpContentItem* item = m_contents->contentItemAt(child))
                m_pages.push_back(item->url());
            CollectPages(child);
        }
    }

    static QUrl WithoutFragment(QUrl url) {
        url.setFragment(QString());
        return url;
    }

    ShownPage Show(const QUrl& url) {
        CHelpBrowser* browser = m_help.Window()->Browser();
        browser->setSource(WithoutFragment(url));
        ShownPage page;
        page.title = browser->documentTitle();
        const QTextDocument* doc = browser->document();
        for (QTextBlock block = doc->begin(); block.isValid(); block = block.next()) {
            if (!page.styledHeading && block.blockFormat().headingLevel() == 1)
                page.styledHeading = block.charFormat().hasProperty(QTextFormat::ForegroundBrush);
            for (auto it = block.begin(); !it.atEnd(); ++it) {
                const QTextCharFormat format = it.fragment().charFormat();
                for (const QString& name : format.anchorNames())
                    page.anchors.insert(name);
                const QString href = format.anchorHref();
                if (format.isAnchor() && !href.isEmpty()) {
                    const QUrl target = browser->source().resolved(QUrl(href));
                    if (target.scheme() == QLatin1String("qthelp"))
                        page.links.push_back(target);
                }
            }
        }
        return page;
    }

    // Empty when the place exists, else what is wrong with it.
    std::string Problem(const QUrl& url) {
        if (m_index->helpEngine()->fileData(WithoutFragment(url)).isEmpty())
            return "no page " + url.toString().toStdString();
        if (url.hasFragment() && !Show(url).anchors.count(url.fragment()))
            return "no place " + url.fragment().toStdString() + " in " +
                   url.toString().toStdString();
        return {};
    }

    CMyHelp m_help{test::ProgramFolder()};
    QWidget m_owner;
    QHelpContentModel* m_contents = nullptr;
    QHelpIndexModel* m_index = nullptr;
    std::vector<QUrl> m_pages;
};

TEST_F(HelpGuide, EveryPageShowsWithItsTitleAndItsStyle) {
    // The start page and at least the pages of the program's features.
    ASSERT_GE(m_pages.size(), 13u);
    for (const QUrl& url : m_pages) {
        const ShownPage page = Show(url);
        EXPECT_FALSE(page.title.isEmpty()) << url.toString().toStdString();
        // Without its style sheet the page would show in plain black.
        EXPECT_TRUE(page.styledHeading) << url.toString().toStdString();
    }
}

TEST_F(HelpGuide, EveryLinkAndEveryIndexEntryLeadsToAPlaceThatExists) {
    for (const QUrl& url : m_pages)
        for (const QUrl& link : Show(url).links)
            EXPECT_EQ(Problem(link), "") << "link on " << url.toString().toStdString();

    const QStringList keywords = m_index->stringList();
    EXPECT_GE(keywords.size(), 40);
    for (const QString& keyword : keywords) {
        const QList<QHelpLink> places = m_index->helpEngine()->documentsForKeyword(keyword);
        EXPECT_FALSE(places.isEmpty()) << keyword.toStdString();
        for (const QHelpLink& place : places)
            EXPECT_EQ(Problem(place.url), "") << "index entry " << keyword.toStdString();
    }
}

TEST_F(HelpGuide, AMissingPlaceIsNoticed) {
    // The checks above would pass on anything if they could not fail.
    const QUrl page(QStringLiteral("qthelp://org.orvanta.mienlore/doc/photo.html"));
    EXPECT_EQ(Problem(page), "");
    EXPECT_EQ(Problem(page.resolved(QUrl(QStringLiteral("#effects")))), "");
    EXPECT_NE(Problem(page.resolved(QUrl(QStringLiteral("#nowhere")))), "");
    EXPECT_NE(Problem(page.resolved(QUrl(QStringLiteral("nowhere.html")))), "");
}

} // namespace
} // namespace mienlore
