// Writes the program's icon for an icon theme: OUTDIR/NxN/apps/NAME.png for
// each size given and OUTDIR/scalable/apps/NAME.svg. The build runs it, so the
// installed icons are drawn by the same code as the window's.
#include <QDir>
#include <QFile>
#include <QString>
#include <cstdio>
#include <string>

#include "FontIcon.h"

namespace {

bool WritePng(const QString& folder, const QString& name, int size) {
    const QString dir = folder + QStringLiteral("/%1x%1/apps").arg(size);
    return QDir().mkpath(dir) && ledfont::FontIconImage(size).save(dir + u'/' + name + QStringLiteral(".png"), "PNG");
}

bool WriteSvg(const QString& folder, const QString& name) {
    const QString dir = folder + QStringLiteral("/scalable/apps");
    if (!QDir().mkpath(dir)) return false;
    QFile file(dir + u'/' + name + QStringLiteral(".svg"));
    const std::string svg = ledfont::FontIconSvg();
    return file.open(QIODevice::WriteOnly | QIODevice::Truncate) &&
           file.write(svg.data(), static_cast<qint64>(svg.size())) == static_cast<qint64>(svg.size());
}

}  // namespace

int main(int argc, char* argv[]) {
    if (argc < 3) {
        std::fputs("usage: ledfont-make-icons OUTDIR NAME [SIZE...]\n", stderr);
        return 2;
    }
    const QString folder = QString::fromLocal8Bit(argv[1]);
    const QString name = QString::fromLocal8Bit(argv[2]);
    for (int i = 3; i < argc; ++i) {
        bool number = false;
        const int size = QString::fromLocal8Bit(argv[i]).toInt(&number);
        if (!number || size < ledfont::kIconLeds || !WritePng(folder, name, size)) {
            std::fprintf(stderr, "ledfont-make-icons: cannot write the %s-pixel icon in %s\n", argv[i], argv[1]);
            return 1;
        }
    }
    if (!WriteSvg(folder, name)) {
        std::fprintf(stderr, "ledfont-make-icons: cannot write the scalable icon in %s\n", argv[1]);
        return 1;
    }
    return 0;
}
