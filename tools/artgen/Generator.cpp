#include "Generator.h"

#include "BmpWriter.h"
#include "ContactSheet.h"
#include "CursorPainter.h"
#include "CursorWriter.h"
#include "FlatImage.h"
#include "IconPainter.h"
#include "IconWriter.h"
#include "Ink.h"
#include "RegionBuilder.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <sstream>
#include <stdexcept>

namespace {

std::uint32_t rgbOf(const Color& c) {
    auto v = [](double x) { return static_cast<std::uint32_t>(x * 255 + 0.5); };
    return v(c.r) << 16 | v(c.g) << 8 | v(c.b);
}

std::string label(int number, int w, int h) {
    return std::to_string(number) + "  (" + std::to_string(w) + "x" + std::to_string(h) + ")";
}

} // namespace

void Generator::write(const std::string& name, const std::vector<std::uint8_t>& bytes) const {
    const std::string path = (std::filesystem::path(outDir_) / name).string();
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(bytes.data()), static_cast<std::streamsize>(bytes.size()));
    if (!out)
        throw std::runtime_error("cannot write " + path);
}

void Generator::run() {
    std::filesystem::create_directories(outDir_);
    const Catalogue catalogue;
    const std::uint32_t background = rgbOf(Ink::background);

    // Sheet entries by number, so the sheet reads in resource order whatever the set order.
    std::map<int, std::pair<std::unique_ptr<IndexedImage>, std::unique_ptr<Mask>>> shown;
    for (const Catalogue::Set& set : catalogue.sets()) {
        std::vector<std::unique_ptr<FlatImage>> flats;
        for (const Catalogue::Picture& picture : set.pictures) {
            Canvas canvas(picture.width, picture.height);
            picture.paint(canvas);
            flats.push_back(
                std::make_unique<FlatImage>(picture.width, picture.height, canvas.pixels(), Ink::outline));
        }
        std::vector<const FlatImage*> frames;
        for (const auto& f : flats)
            frames.push_back(f.get());
        std::vector<IndexedImage> indexed = Quantizer(background, set.dither).quantize(frames);
        for (size_t i = 0; i < set.pictures.size(); ++i) {
            const Catalogue::Picture& picture = set.pictures[i];
            const std::string n = std::to_string(picture.number);
            if (picture.bitmap)
                write(n + ".bmp", BmpWriter::write(indexed[i]));
            if (picture.region)
                write(n + ".rgn", RegionBuilder::regionData(RegionBuilder::rectangles(flats[i]->mask())));
            shown[picture.number] = {std::make_unique<IndexedImage>(indexed[i]),
                                     picture.region ? std::make_unique<Mask>(flats[i]->mask()) : nullptr};
        }
    }

    ContactSheet sheet;
    for (const auto& entry : shown) {
        const IndexedImage& image = *entry.second.first;
        sheet.add(label(entry.first, image.width(), image.height()), image, entry.second.second.get());
    }

    Canvas cursor(CursorPainter::size, CursorPainter::size);
    CursorPainter().paint(cursor);
    FlatImage flatCursor(cursor.width(), cursor.height(), cursor.pixels(), Ink::outline);
    IndexedImage cursorImage =
        Quantizer(background, Quantizer::Dither::None, 15).quantize({&flatCursor}).front();
    write(std::to_string(cursorNumber) + ".cur",
          CursorWriter::write(cursorImage, CursorPainter::hotspotX, CursorPainter::hotspotY));
    sheet.add("cursor " + std::to_string(cursorNumber), cursorImage, &flatCursor.mask());

    std::vector<IconWriter::Image> icons;
    for (int size : {32, 16}) {
        Canvas canvas(size, size);
        IconPainter().paint(canvas);
        icons.push_back({size, size, canvas.pixels()});
        sheet.add("icon " + std::to_string(size), size, size, icons.back().premultiplied);
    }
    write(iconFile, IconWriter::write(icons));

    sheet.writePng((std::filesystem::path(outDir_) / "sheet.png").string());
}

std::string Generator::resourceScript(const Catalogue& catalogue) {
    std::map<int, std::pair<bool, bool>> numbers;
    for (const Catalogue::Set& set : catalogue.sets())
        for (const Catalogue::Picture& p : set.pictures)
            numbers[p.number] = {p.bitmap, p.region};
    std::ostringstream rc;
    rc << "// Pictures drawn by tools/artgen; regenerate with: artgen --rc > res/pictures.rc\n";
    rc << "// The files are found through windres -I <build>/art.\n\n";
    rc << "1 ICON \"" << iconFile << "\"\n";
    rc << cursorNumber << " CURSOR \"" << cursorNumber << ".cur\"\n\n";
    for (const auto& n : numbers) {
        if (n.second.first)
            rc << n.first << " BITMAP \"" << n.first << ".bmp\"\n";
        if (n.second.second)
            rc << n.first << " REGION \"" << n.first << ".rgn\"\n";
    }
    return rc.str();
}
