#include "ui/Fensterplatz.h"

#include <algorithm>
#include <tuple>

namespace {

long long Inhalt(const QRect& r) {
    return r.isEmpty() ? 0 : static_cast<long long>(r.width()) * r.height();
}

// The start of a stretch of the given length, moved into the stretch from von to bis.
int Hinein(int anfang, int laenge, int von, int bis) {
    return std::clamp(anfang, von, bis + 1 - laenge);
}

}  // namespace

QRect PlatzDaneben(const QRect& haupt, QSize groesse, QSize kleinste, const QRect& flaeche,
                   const std::vector<QRect>& freihalten) {
    const QSize g = groesse.boundedTo(flaeche.size());
    const int oben = Hinein(haupt.top(), g.height(), flaeche.top(), flaeche.bottom());
    const int rechts = flaeche.right() - haupt.right();
    const int links = haupt.left() - flaeche.left();
    if (g.width() <= rechts) return {QPoint(haupt.right() + 1, oben), g};
    if (g.width() <= links) return {QPoint(haupt.left() - g.width(), oben), g};
    if (std::max(rechts, links) >= kleinste.width()) {
        if (rechts >= links) return {QPoint(haupt.right() + 1, oben), QSize(rechts, g.height())};
        return {QPoint(flaeche.left(), oben), QSize(links, g.height())};
    }

    // No room beside it: at either size, the places where an edge of the window meets the main
    // window's frame, one of the areas to keep free or the area's border, the places beside the
    // main window first.
    QRect bester;
    std::tuple<long long, long long, long long> wenigster{-1, 0, 0};
    for (const QSize masse : {g, kleinste.boundedTo(g)}) {
        std::vector<int> xe{haupt.right() + 1, haupt.left() - masse.width(), flaeche.left()};
        std::vector<int> ye{oben, haupt.bottom() + 1, haupt.top() - masse.height(), flaeche.top()};
        for (const QRect& r : freihalten) {
            xe.insert(xe.end(), {r.right() + 1, r.left() - masse.width()});
            ye.insert(ye.end(), {r.bottom() + 1, r.top() - masse.height()});
        }
        for (int x : xe) {
            for (int y : ye) {
                const QRect platz(
                    QPoint(Hinein(x, masse.width(), flaeche.left(), flaeche.right()),
                           Hinein(y, masse.height(), flaeche.top(), flaeche.bottom())),
                    masse);
                // Covered of the areas to keep free, the size (larger first), of the main window.
                std::tuple<long long, long long, long long> verdeckt{0, -Inhalt(platz),
                                                                     Inhalt(platz & haupt)};
                for (const QRect& r : freihalten) std::get<0>(verdeckt) += Inhalt(platz & r);
                if (std::get<0>(wenigster) < 0 || verdeckt < wenigster) {
                    wenigster = verdeckt;
                    bester = platz;
                }
            }
        }
    }
    return bester;
}
