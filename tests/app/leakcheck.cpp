// Lays out Japanese text the way the windows do, which makes the font libraries build their
// caches, and with "--leak" also loses memory in code of our own. Under LeakSanitizer with the
// project's suppressions the first run must be clean and the second must still be reported.

#include <QApplication>
#include <QFontMetrics>
#include <QLabel>

#include <cstdlib>
#include <cstring>

namespace {

void *volatile lost = nullptr;

[[gnu::noinline]] void leakOfOurOwn()
{
    lost = std::malloc(48);
    lost = nullptr;
}

} // namespace

int main(int argc, char **argv)
{
    QApplication app(argc, argv);
    QLabel label(QStringLiteral("燃費管理「ふぇんろ」"));
    label.setFont(QFont(QStringLiteral("ＭＳ ゴシック")));
    label.show();
    QFontMetrics(label.font()).horizontalAdvance(label.text());
    QApplication::processEvents();
    if (argc > 1 && std::strcmp(argv[1], "--leak") == 0)
        leakOfOurOwn();
    return 0;
}
