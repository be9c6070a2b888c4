// SPDX-License-Identifier: GPL-3.0-or-later
// The hundred portraits of filarino, in resource order (101 first): 75 children and grown-ups, 25 animals.
#include "tools/assets/painter/FaceCatalog.h"

#include <array>
#include <cstdint>
#include <stdexcept>

namespace {

// SplitMix64: a tiny generator whose sequence is the same on every compiler and library.
class Dice {
public:
    explicit Dice(std::uint64_t seed)
        : state_(seed) {}
    int below(int n) {
        state_ += 0x9E3779B97F4A7C15ull;
        std::uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        z ^= z >> 31;
        return static_cast<int>(z % static_cast<std::uint64_t>(n));
    }
    bool chance(int percent) { return below(100) < percent; }
    template <typename T, std::size_t N> const T& pick(const std::array<T, N>& items) {
        return items[static_cast<std::size_t>(below(static_cast<int>(N)))];
    }

private:
    std::uint64_t state_;
};

const std::array<QColor, 8> kSkins = {QColor(255, 226, 200), QColor(250, 208, 172), QColor(240, 190, 142),
                                      QColor(226, 170, 120), QColor(198, 136, 92),  QColor(164, 104, 66),
                                      QColor(126, 80, 50),   QColor(98, 60, 40)};
const std::array<QColor, 9> kNaturalHair = {QColor(40, 32, 32),    QColor(84, 52, 32),   QColor(130, 82, 44),
                                            QColor(150, 62, 34),   QColor(225, 112, 40), QColor(240, 200, 92),
                                            QColor(250, 228, 150), QColor(60, 44, 36),   QColor(110, 66, 40)};
const std::array<QColor, 2> kOldHair = {QColor(175, 175, 182), QColor(238, 238, 242)};
const std::array<QColor, 5> kFunHair = {QColor(60, 120, 232), QColor(242, 110, 172), QColor(150, 82, 204),
                                        QColor(60, 180, 96), QColor(30, 180, 190)};
const std::array<QColor, 5> kIrises = {QColor(120, 72, 36), QColor(60, 130, 220), QColor(70, 160, 80),
                                       QColor(150, 110, 50), QColor(110, 120, 140)};
const std::array<QColor, 8> kBright = {QColor(232, 60, 60),   QColor(60, 110, 232), QColor(60, 172, 80),
                                       QColor(250, 200, 40),  QColor(150, 80, 204), QColor(250, 140, 40),
                                       QColor(245, 110, 172), QColor(40, 170, 170)};
const std::array<QColor, 4> kFrames = {QColor(40, 40, 48), QColor(200, 40, 50), QColor(40, 80, 200),
                                       QColor(120, 70, 40)};

// Mouths by how often they come: mostly closed smiles, some laughing, a few tongues.
const std::array<Mouth, 10> kMouths = {Mouth::Smile, Mouth::Smile, Mouth::Smile, Mouth::Wide, Mouth::Wide,
                                       Mouth::Grin,  Mouth::Grin,  Mouth::Open,  Mouth::Open, Mouth::Tongue};

// Hair styles in the order they come round; with 75 people each comes six or seven times.
const std::array<HairStyle, 12> kStyles = {HairStyle::Short,    HairStyle::Long,   HairStyle::Spiky,
                                           HairStyle::Pigtails, HairStyle::Curly,  HairStyle::Bob,
                                           HairStyle::SidePart, HairStyle::Afro,   HairStyle::Ponytail,
                                           HairStyle::Bun,      HairStyle::Mohawk, HairStyle::None};

Face animal(Species species, QColor fur, QColor second, Eyes eyes = Eyes::Dots, Mouth mouth = Mouth::Smile,
            QColor iris = QColor(120, 72, 36)) {
    Face f;
    f.species = species;
    f.skin = fur;
    f.hair = second;
    f.eyes = eyes;
    f.mouth = mouth;
    f.iris = iris;
    f.blush = true;
    return f;
}

bool hatFits(Hat hat, HairStyle style) {
    const bool tall = style == HairStyle::Mohawk || style == HairStyle::Bun || style == HairStyle::Afro;
    switch (hat) {
    case Hat::Cap:
    case Hat::Beanie:
    case Hat::Crown:
    case Hat::PartyHat:
    case Hat::Headband:
        return !tall;
    case Hat::Bow:
    case Hat::Flower:
        return style != HairStyle::None && style != HairStyle::Mohawk;
    case Hat::None:
        return true;
    }
    return true;
}

} // namespace

std::vector<Face> FaceCatalog::animals() {
    const QColor white(252, 252, 250);
    return {
        animal(Species::Cat, QColor(240, 150, 62), QColor(200, 100, 30)),
        animal(Species::Dog, QColor(205, 155, 105), QColor(125, 82, 50), Eyes::Dots, Mouth::Tongue),
        animal(Species::Bear, QColor(150, 96, 56), QColor(222, 182, 140)),
        animal(Species::Panda, white, white, Eyes::Dots, Mouth::Smile),
        animal(Species::Rabbit, white, white, Eyes::Dots),
        animal(Species::Frog, QColor(110, 200, 80), QColor(80, 160, 60), Eyes::Dots, Mouth::Smile),
        animal(Species::Lion, QColor(245, 196, 92), QColor(205, 115, 42)),
        animal(Species::Pig, QColor(250, 192, 202), QColor(230, 150, 165)),
        animal(Species::Fox, QColor(240, 122, 42), QColor(255, 250, 244)),
        animal(Species::Monkey, QColor(140, 92, 60), QColor(240, 202, 162), Eyes::Dots, Mouth::Grin),
        animal(Species::Owl, QColor(160, 112, 70), QColor(110, 72, 42), Eyes::Big, Mouth::Smile,
               QColor(250, 160, 30)),
        animal(Species::Penguin, QColor(52, 58, 74), white),
        animal(Species::Koala, QColor(162, 166, 178), QColor(242, 242, 246)),
        animal(Species::Tiger, QColor(246, 150, 42), QColor(52, 40, 40)),
        animal(Species::Chick, QColor(255, 222, 62), QColor(250, 190, 40), Eyes::Dots),
        animal(Species::Cow, white, QColor(52, 46, 52)),
        animal(Species::Sheep, QColor(250, 248, 240), QColor(82, 72, 78), Eyes::Big, Mouth::Smile,
               QColor(90, 60, 40)),
        animal(Species::Raccoon, QColor(152, 152, 162), QColor(82, 82, 92), Eyes::Big, Mouth::Smile,
               QColor(40, 28, 28)),
        animal(Species::Mouse, QColor(182, 182, 192), QColor(140, 140, 150)),
        animal(Species::Cat, QColor(172, 172, 182), QColor(112, 112, 124), Eyes::Wink),
        animal(Species::Dog, QColor(236, 190, 100), QColor(196, 140, 60), Eyes::Happy, Mouth::Tongue),
        animal(Species::Bear, QColor(250, 250, 252), QColor(226, 226, 236), Eyes::Dots),
        animal(Species::Rabbit, QColor(192, 152, 116), QColor(150, 110, 80), Eyes::Happy),
        animal(Species::Cat, QColor(72, 66, 78), QColor(52, 48, 58), Eyes::Big, Mouth::Smile,
               QColor(110, 200, 60)),
        animal(Species::Dog, QColor(250, 246, 236), QColor(70, 58, 50), Eyes::Dots, Mouth::Grin),
    };
}

std::vector<Face> FaceCatalog::people(int count) {
    Dice dice(20240611);
    std::vector<Face> people;
    for (int i = 0; i < count; ++i) {
        Face f;
        f.hairStyle = kStyles[static_cast<std::size_t>(i % 12)];
        // Every (style, skin) pair differs: people with the same style are 12 apart and 12 * 3 + 1 = 37 is
        // odd.
        f.skin = kSkins[static_cast<std::size_t>((i * 3 + i / 12) % 8)];
        const bool grownUp = f.hairStyle == HairStyle::None || dice.chance(3);
        if (grownUp)
            f.hair = dice.pick(kOldHair);
        else if (dice.chance(12) && f.hairStyle != HairStyle::None)
            f.hair = dice.pick(kFunHair);
        else
            f.hair = dice.pick(kNaturalHair);
        f.iris = dice.pick(kIrises);
        f.eyes = static_cast<Eyes>(dice.below(5));
        f.mouth = dice.pick(kMouths);
        f.blush = dice.chance(55);
        f.freckles = i % 3 == 0 && dice.chance(60);
        f.glasses = grownUp ? (dice.chance(50) ? Glasses::Round : Glasses::Square)
                            : (dice.chance(11) ? Glasses::Round : Glasses::None);
        f.moustache = grownUp && dice.chance(60);
        f.hat = Hat::None;
        if (dice.chance(45)) {
            const Hat hat = static_cast<Hat>(1 + dice.below(7));
            if (hatFits(hat, f.hairStyle)) f.hat = hat;
        }
        f.hatColour = f.glasses != Glasses::None ? dice.pick(kFrames) : dice.pick(kBright);
        if (f.glasses != Glasses::None && f.hat != Hat::None)
            f.hat = Hat::None; // one accessory at a time keeps a 32-pixel face readable
        if (f.glasses != Glasses::None && f.eyes == Eyes::Big) f.eyes = Eyes::Dots;
        people.push_back(f);
    }
    return people;
}

std::vector<Face> FaceCatalog::faces() {
    const std::vector<Face> zoo = animals();
    const std::vector<Face> folk = people(kCount - static_cast<int>(zoo.size()));
    std::vector<Face> all;
    std::size_t a = 0;
    std::size_t h = 0;
    // Every fourth portrait is an animal.
    for (int i = 0; i < kCount; ++i)
        all.push_back(i % 4 == 3 && a < zoo.size() ? zoo[a++] : folk[h++]);
    if (a != zoo.size() || h != folk.size())
        throw std::logic_error("portrait catalogue does not add up to its count");
    return all;
}
