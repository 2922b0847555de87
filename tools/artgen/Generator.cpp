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
#include "SoundMaker.h"
#include "WavWriter.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <future>
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

namespace {
// Hit areas (outlines without a picture) are game rules, which keep their 100 % numbers at every scale.
bool drawnAt(const Catalogue::Picture& picture, int scaleIndex) {
    return scaleIndex == 0 || picture.bitmap;
}

// What the scale sheet shows of every scale: a character frame and a game frame.
bool onScaleSheet(int number) {
    return number == 200 || number == 600;
}
} // namespace

void Generator::drawScale(const Catalogue& catalogue, int scaleIndex, ContactSheet* sheet,
                          ContactSheet& scales) const {
    const int percent = percents[scaleIndex];
    const std::uint32_t background = rgbOf(Ink::background);
    // Sheet entries by number, so the sheet reads in resource order whatever the set order.
    std::map<int, std::pair<std::unique_ptr<IndexedImage>, std::unique_ptr<Mask>>> shown;
    for (const Catalogue::Set& set : catalogue.sets()) {
        std::vector<std::unique_ptr<FlatImage>> flats;
        std::vector<const Catalogue::Picture*> drawn;
        for (const Catalogue::Picture& picture : set.pictures) {
            if (!drawnAt(picture, scaleIndex))
                continue;
            Canvas canvas(picture.width, picture.height, percent);
            picture.paint(canvas);
            flats.push_back(std::make_unique<FlatImage>(canvas.pixelWidth(), canvas.pixelHeight(),
                                                        canvas.pixels(), Ink::outline));
            drawn.push_back(&picture);
        }
        std::vector<const FlatImage*> frames;
        for (const auto& f : flats)
            frames.push_back(f.get());
        std::vector<IndexedImage> indexed = Quantizer(background, set.dither).quantize(frames);
        for (size_t i = 0; i < drawn.size(); ++i) {
            const Catalogue::Picture& picture = *drawn[i];
            const std::string n = std::to_string(numberAt(picture.number, scaleIndex));
            if (picture.bitmap)
                write(n + ".bmp", BmpWriter::write(indexed[i]));
            if (picture.region)
                write(n + ".rgn", RegionBuilder::regionData(RegionBuilder::rectangles(flats[i]->mask())));
            if (onScaleSheet(picture.number))
                scales.add(std::to_string(picture.number) + " at " + std::to_string(percent) + " %",
                           indexed[i], &flats[i]->mask());
            if (sheet != nullptr)
                shown[picture.number] = {std::make_unique<IndexedImage>(indexed[i]),
                                         picture.region ? std::make_unique<Mask>(flats[i]->mask()) : nullptr};
        }
    }
    if (sheet != nullptr)
        for (const auto& entry : shown) {
            const IndexedImage& image = *entry.second.first;
            sheet->add(label(entry.first, image.width(), image.height()), image, entry.second.second.get());
        }

    Canvas cursor(CursorPainter::size, CursorPainter::size, percent);
    CursorPainter().paint(cursor);
    FlatImage flatCursor(cursor.pixelWidth(), cursor.pixelHeight(), cursor.pixels(), Ink::outline);
    IndexedImage cursorImage =
        Quantizer(background, Quantizer::Dither::None, 15).quantize({&flatCursor}).front();
    write(std::to_string(numberAt(cursorNumber, scaleIndex)) + ".cur",
          CursorWriter::write(cursorImage, Canvas::scaled(CursorPainter::hotspotX, percent),
                              Canvas::scaled(CursorPainter::hotspotY, percent)));
    if (sheet != nullptr)
        sheet->add("cursor " + std::to_string(cursorNumber), cursorImage, &flatCursor.mask());
}

void Generator::run() {
    std::filesystem::create_directories(outDir_);
    const Catalogue catalogue;
    ContactSheet sheet;
    // The scales are drawn side by side: each writes files of its own numbers only.
    std::vector<ContactSheet> scaleSheets(scaleCount, ContactSheet(1));
    std::vector<std::future<void>> drawing;
    for (int k = 0; k < scaleCount; ++k)
        drawing.push_back(std::async(std::launch::async, [&, k] {
            drawScale(catalogue, k, k == 0 ? &sheet : nullptr, scaleSheets[k]);
        }));
    for (auto& d : drawing)
        d.get();
    ContactSheet scales(1);
    for (const ContactSheet& s : scaleSheets)
        scales.append(s);

    std::vector<IconWriter::Image> icons;
    for (int size : {32, 16}) {
        Canvas canvas(size, size);
        IconPainter().paint(canvas);
        icons.push_back({size, size, canvas.pixels()});
        sheet.add("icon " + std::to_string(size), size, size, icons.back().premultiplied);
    }
    write(iconFile, IconWriter::write(icons));

    for (const SoundMaker::Sound& sound : SoundMaker().all())
        write(std::to_string(sound.number) + ".wav", WavWriter::write(sound.samples, SoundMaker::sampleRate));

    sheet.writePng((std::filesystem::path(outDir_) / "sheet.png").string());
    scales.writePng((std::filesystem::path(outDir_) / "scales.png").string());
}

std::string Generator::resourceScript(const Catalogue& catalogue) {
    std::map<int, std::pair<bool, bool>> numbers;
    for (const Catalogue::Set& set : catalogue.sets())
        for (const Catalogue::Picture& p : set.pictures)
            for (int k = 0; k < scaleCount; ++k)
                if (drawnAt(p, k))
                    numbers[numberAt(p.number, k)] = {p.bitmap, p.region};
    std::ostringstream rc;
    rc << "// Pictures and sounds made by tools/artgen; regenerate with: artgen --rc > res/pictures.rc\n";
    rc << "// The files are found through windres -I <build>/art.\n\n";
    rc << "1 ICON \"" << iconFile << "\"\n";
    for (int k = 0; k < scaleCount; ++k)
        rc << numberAt(cursorNumber, k) << " CURSOR \"" << numberAt(cursorNumber, k) << ".cur\"\n";
    rc << "\n";
    for (const SoundMaker::Sound& sound : SoundMaker().all())
        rc << sound.number << " WAVE \"" << sound.number << ".wav\"\n";
    rc << "\n";
    for (const auto& n : numbers) {
        if (n.second.first)
            rc << n.first << " BITMAP \"" << n.first << ".bmp\"\n";
        if (n.second.second)
            rc << n.first << " REGION \"" << n.first << ".rgn\"\n";
    }
    return rc.str();
}
