// SPDX-License-Identifier: GPL-3.0-or-later
// Features of one cartoon portrait: who it is, how it looks and what it wears.
#pragma once

#include <QColor>

enum class Species {
    Human,
    Cat,
    Dog,
    Bear,
    Panda,
    Rabbit,
    Mouse,
    Frog,
    Lion,
    Pig,
    Fox,
    Monkey,
    Owl,
    Penguin,
    Koala,
    Tiger,
    Chick,
    Cow,
    Sheep,
    Raccoon
};
enum class HairStyle {
    None,
    Short,
    Spiky,
    Curly,
    Afro,
    Long,
    Bob,
    Pigtails,
    Bun,
    Mohawk,
    SidePart,
    Ponytail
};
enum class Eyes { Dots, Big, Happy, Wink, Lashes };
enum class Mouth { Smile, Grin, Open, Tongue, Wide };
enum class Hat { None, Cap, Beanie, PartyHat, Crown, Bow, Flower, Headband };
enum class Glasses { None, Round, Square };

struct Face {
    Species species = Species::Human;
    QColor skin;      // skin, or an animal's main fur
    QColor hair;      // hair, or an animal's second colour (markings, muzzle, mane)
    QColor iris;      // for Eyes::Big
    QColor hatColour; // also the colour of glasses frames
    HairStyle hairStyle = HairStyle::Short;
    Eyes eyes = Eyes::Dots;
    Mouth mouth = Mouth::Smile;
    Hat hat = Hat::None;
    Glasses glasses = Glasses::None;
    bool freckles = false;
    bool blush = false;
    bool moustache = false;
};
