#include "app/aboutdialog.h"
#include "app/helpwindow.h"
#include "app/mainwindow.h"
#include "support/scripted.h"

#include <QAction>
#include <QDirIterator>
#include <QFile>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSet>
#include <QTest>
#include <QTextBrowser>
#include <QTimer>

using namespace fenlo;
using fenlo::test::ScriptedPrompter;

namespace {

QString page(const QUrl &url)
{
    QFile file(QLatin1Char(':') + url.path());
    return file.open(QIODevice::ReadOnly) ? QString::fromUtf8(file.readAll()) : QString();
}

bool hasAnchor(const QString &html, const QString &name)
{
    return html.contains(QStringLiteral("id=\"%1\"").arg(name)) ||
           html.contains(QStringLiteral("name=\"%1\"").arg(name));
}

// Runs `step` on the modal dialog that the next exec() opens.
void onNextModal(const std::function<void(QWidget *)> &step)
{
    QTimer::singleShot(0, [step] {
        QWidget *modal = QApplication::activeModalWidget();
        QVERIFY(modal);
        step(modal);
    });
}

} // namespace

class ShellWindowsTest : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void theHelpCommandOpensTheHelpAtItsContents()
    {
        ScriptedPrompter prompter;
        MainWindow frame;
        QAction *help = frame.action(QStringLiteral("Contents1"));
        QVERIFY(help->isEnabled());
        help->trigger();
        auto *window = frame.findChild<HelpWindow *>();
        QVERIFY(window && window->isVisible());
        QCOMPARE(window->browser()->source(), QUrl(QStringLiteral("qrc:/help/Fenlo.html")));
        QVERIFY(window->windowTitle().startsWith(QStringLiteral("燃費管理「ふぇんろ」ヘルプ")));

        // A second request reuses the window and goes back to the contents.
        window->browser()->setSource(QUrl(QStringLiteral("qrc:/help/csv.html")));
        help->trigger();
        QCOMPARE(frame.findChildren<HelpWindow *>().size(), 1);
        QCOMPARE(window->browser()->source(), helpContentsUrl());
        QVERIFY(prompter.shown.isEmpty());
    }

    void everyHelpPageIsReachableFromTheContentsAndNoLinkIsBroken()
    {
        const QRegularExpression link(QStringLiteral("href=\"([^\"]*)\""));
        QSet<QString> reached;
        QStringList queue{helpContentsUrl().toString()};
        QStringList broken;
        while (!queue.isEmpty()) {
            const QUrl url(queue.takeFirst());
            if (reached.contains(url.path()))
                continue;
            reached.insert(url.path());
            const QString html = page(url);
            QVERIFY2(!html.isEmpty(), qPrintable(url.toString()));
            for (const auto &match : link.globalMatch(html)) {
                const QUrl target = url.resolved(QUrl(match.captured(1)));
                const QString targetHtml = page(target);
                if (target.scheme() != QStringLiteral("qrc") || targetHtml.isEmpty() ||
                    (target.hasFragment() && !hasAnchor(targetHtml, target.fragment())))
                    broken << url.fileName() + QStringLiteral(" → ") + match.captured(1);
                else
                    queue << target.adjusted(QUrl::RemoveFragment).toString();
            }
        }
        QVERIFY2(broken.isEmpty(), qPrintable(broken.join(QStringLiteral(", "))));

        QStringList unreached;
        for (QDirIterator it(QStringLiteral(":/help")); it.hasNext();) {
            const QString path = it.next().mid(1);
            if (!reached.contains(path))
                unreached << path;
        }
        QVERIFY2(unreached.isEmpty(), qPrintable(unreached.join(QStringLiteral(", "))));
        QVERIFY(reached.size() >= 10);
    }

    void theVersionDialogShowsTitleAndVersionAndClosesOnOk()
    {
        AboutDialog dialog;
        QCOMPARE(dialog.windowTitle(), QStringLiteral("バージョン情報"));
        QCOMPARE(dialog.size(), QSize(307, 196));
        auto *title = dialog.findChild<QLabel *>(QStringLiteral("LblTitle"));
        QCOMPARE(title->text(), QStringLiteral("燃費管理「ふぇんろ」"));
        QVERIFY(title->font().bold());
        QCOMPARE(title->font().pixelSize(), 20);
        QCOMPARE(title->palette().color(QPalette::WindowText), QColor(128, 0, 0));
        QCOMPARE(dialog.findChild<QLabel *>(QStringLiteral("LblVersion"))->text(),
                 QStringLiteral("Ver 3.1"));
        QVERIFY(!dialog.findChild<QLabel *>(QStringLiteral("ProgramIcon"))->pixmap().isNull());
        QCOMPARE(dialog.okButton->text(), QStringLiteral("OK(&O)"));

        dialog.show();
        const QRect screen = dialog.screen()->availableGeometry();
        QVERIFY(qAbs(dialog.frameGeometry().center().x() - screen.center().x()) <= 1);
        QVERIFY(qAbs(dialog.frameGeometry().center().y() - screen.center().y()) <= 1);
        QTest::mouseClick(dialog.okButton, Qt::LeftButton);
        QVERIFY(!dialog.isVisible());
    }

    void theVersionCommandShowsTheDialogModally()
    {
        ScriptedPrompter prompter;
        MainWindow frame;
        bool seen = false;
        onNextModal([&seen](QWidget *modal) {
            auto *about = qobject_cast<AboutDialog *>(modal);
            seen = about != nullptr;
            if (about)
                about->okButton->click();
            else
                modal->close();
        });
        frame.action(QStringLiteral("About1"))->trigger();
        QVERIFY(seen);
        QVERIFY(frame.findChildren<AboutDialog *>().isEmpty()); // freed after use
    }
};

QTEST_MAIN(ShellWindowsTest)
#include "shellwindows_test.moc"
