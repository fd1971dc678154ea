#include "charts/Png.h"

#include <zlib.h>

#include <array>
#include <cstdint>
#include <vector>

namespace zv {

namespace {

constexpr int kStufe = 1;  // deflate level: fast, and flat areas compress well at any level
constexpr std::uint8_t kFilterOben = 2;  // "Up": each byte minus the byte above it

void Gross32(std::vector<std::uint8_t>& ziel, std::uint32_t wert) {
    for (int verschiebung = 24; verschiebung >= 0; verschiebung -= 8)
        ziel.push_back(static_cast<std::uint8_t>(wert >> verschiebung));
}

// Length, type, data and the CRC of type and data.
bool Abschnitt(QIODevice& ziel, const char* typ, const std::uint8_t* daten, std::size_t laenge) {
    std::vector<std::uint8_t> kopf;
    Gross32(kopf, static_cast<std::uint32_t>(laenge));
    kopf.insert(kopf.end(), typ, typ + 4);
    uLong pruefsumme = crc32(0L, kopf.data() + 4, 4);
    if (laenge > 0) pruefsumme = crc32(pruefsumme, daten, static_cast<uInt>(laenge));
    std::vector<std::uint8_t> ende;
    Gross32(ende, static_cast<std::uint32_t>(pruefsumme));
    const auto schreiben = [&](const void* p, std::size_t n) {
        return ziel.write(static_cast<const char*>(p), static_cast<qint64>(n)) ==
               static_cast<qint64>(n);
    };
    return schreiben(kopf.data(), kopf.size()) && (laenge == 0 || schreiben(daten, laenge)) &&
           schreiben(ende.data(), ende.size());
}

}  // namespace

bool PngSchreiben(const QImage& quelle, QIODevice& ziel) {
    const QImage bild = quelle.convertToFormat(QImage::Format_RGB888);
    if (bild.isNull()) return false;
    const int breite = bild.width(), hoehe = bild.height();
    const std::size_t zeilenbytes = static_cast<std::size_t>(breite) * 3;

    static constexpr std::array<std::uint8_t, 8> kSignatur = {0x89, 'P',  'N',  'G',
                                                              0x0D, 0x0A, 0x1A, 0x0A};
    if (ziel.write(reinterpret_cast<const char*>(kSignatur.data()), 8) != 8) return false;
    std::vector<std::uint8_t> kopf;
    Gross32(kopf, static_cast<std::uint32_t>(breite));
    Gross32(kopf, static_cast<std::uint32_t>(hoehe));
    kopf.insert(kopf.end(), {8, 2, 0, 0, 0});  // 8 bits, RGB, deflate, filters, no interlace
    if (!Abschnitt(ziel, "IHDR", kopf.data(), kopf.size())) return false;

    // Rows are filtered and deflated one at a time; each full output buffer becomes one IDAT.
    z_stream strom{};
    if (deflateInit(&strom, kStufe) != Z_OK) return false;
    std::vector<std::uint8_t> zeile(zeilenbytes + 1), aus(1 << 16);
    strom.next_out = aus.data();
    strom.avail_out = static_cast<uInt>(aus.size());
    bool gut = true;
    const auto abgeben = [&] {
        const std::size_t fertig = aus.size() - strom.avail_out;
        if (fertig > 0) gut = gut && Abschnitt(ziel, "IDAT", aus.data(), fertig);
        strom.next_out = aus.data();
        strom.avail_out = static_cast<uInt>(aus.size());
    };
    for (int y = 0; gut && y < hoehe; ++y) {
        const std::uint8_t* jetzt = bild.constScanLine(y);
        const std::uint8_t* oben = y > 0 ? bild.constScanLine(y - 1) : nullptr;
        zeile[0] = kFilterOben;
        for (std::size_t i = 0; i < zeilenbytes; ++i)
            zeile[i + 1] = static_cast<std::uint8_t>(jetzt[i] - (oben ? oben[i] : 0));
        strom.next_in = zeile.data();
        strom.avail_in = static_cast<uInt>(zeile.size());
        while (gut && strom.avail_in > 0) {
            if (deflate(&strom, Z_NO_FLUSH) == Z_STREAM_ERROR) gut = false;
            if (strom.avail_out == 0) abgeben();
        }
    }
    for (int ergebnis = Z_OK; gut && ergebnis != Z_STREAM_END;) {
        ergebnis = deflate(&strom, Z_FINISH);
        if (ergebnis == Z_STREAM_ERROR) gut = false;
        if (strom.avail_out == 0 || ergebnis == Z_STREAM_END) abgeben();
    }
    deflateEnd(&strom);
    return gut && Abschnitt(ziel, "IEND", nullptr, 0);
}

}  // namespace zv
