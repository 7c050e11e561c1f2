#include "Drawing.h"

namespace art {

namespace {

Theme& current() {
  static Theme t = defaultTheme();
  return t;
}

}  // namespace

// Vorb Quarn at home: a teal figure on a grassy mound, cream pies with a
// cherry, gold lettering on a white page under a red title panel.
Theme defaultTheme() {
  return {
      .bannerText = QStringLiteral("Pie Vorb Quarn"),
      .page = kWhite,
      .titlePanel = kTitleRed,
      .bannerPlate = QColor(0xb8, 0x00, 0x12),
      .bannerPlateEdge = QColor(0x60, 0x00, 0x08),
      .bannerShadow = QColor(0x50, 0x00, 0x08),
      .shadow = kShadow,
      .grassLight = kGrassLight,
      .grass = kGrass,
      .grassDark = kGrassDark,
      .dirtLight = kDirtLight,
      .dirt = kDirt,
      .dirtDark = kDirtDark,
      .holeDark = kHoleDark,
      .holeWallLit = QColor(0x7a, 0x4c, 0x30),
      .holeWallDim = QColor(0x42, 0x2a, 0x1c),
      .ground = GroundDetail::GrassTufts,
      .skin = kSkin,
      .skinLight = kSkinLight,
      .skinDark = kSkinDark,
      .spot = kSpot,
      .blush = kBlush,
      .antenna = kAntenna,
      .antennaLight = kAntennaLight,
      .mouth = kMouth,
      .tongue = kTongue,
      .tie = kTie,
      .tieDark = kTieDark,
      .cream = kCream,
      .creamShade = kCreamShade,
      .crust = kCrust,
      .crustDark = kCrustDark,
      .cherry = kCherry,
      .letterTop = kGold1,
      .letterMiddle = kGold2,
      .letterBottom = kGold3,
      .letterEdge = kGoldEdge};
}

// Night on the moon: a lilac owl in a nightcap stands in grey cratered dust
// on a navy page; blueberry pies, silver lettering.
Theme moonlightTheme() {
  return {
      .bannerText = QStringLiteral("Pies by Moonlight"),
      .page = QColor(0x1e, 0x24, 0x46),
      .titlePanel = QColor(0x4b, 0x2a, 0x78),
      .bannerPlate = QColor(0x2c, 0x16, 0x52),
      .bannerPlateEdge = QColor(0x12, 0x08, 0x2a),
      .bannerShadow = QColor(0x12, 0x08, 0x26),
      .shadow = QColor(0x14, 0x18, 0x32),
      .grassLight = QColor(0xdc, 0xe0, 0xec),
      .grass = QColor(0xaa, 0xb0, 0xc4),
      .grassDark = QColor(0x74, 0x7a, 0x92),
      .dirtLight = QColor(0x8a, 0x8f, 0xa6),
      .dirt = QColor(0x5c, 0x60, 0x7a),
      .dirtDark = QColor(0x38, 0x3b, 0x50),
      .holeDark = QColor(0x0a, 0x0a, 0x16),
      .holeWallLit = QColor(0x4e, 0x52, 0x6c),
      .holeWallDim = QColor(0x24, 0x26, 0x3a),
      .ground = GroundDetail::Craters,
      .skin = QColor(0xb8, 0x9a, 0xf0),
      .skinLight = QColor(0xde, 0xcc, 0xff),
      .skinDark = QColor(0x7a, 0x5a, 0xc0),
      .spot = QColor(0xa0, 0x82, 0xe2),
      .blush = QColor(0xff, 0x9a, 0xd2),
      .antenna = QColor(0xff, 0xde, 0x48),
      .antennaLight = QColor(0xff, 0xfa, 0xc8),
      .mouth = QColor(0x5a, 0x10, 0x44),
      .tongue = QColor(0xff, 0x7a, 0xaa),
      .tie = QColor(0x3c, 0x7c, 0xf0),
      .tieDark = QColor(0x1c, 0x3a, 0xa0),
      .cream = QColor(0xee, 0xe4, 0xff),
      .creamShade = QColor(0xb6, 0x9c, 0xe8),
      .crust = QColor(0xd8, 0x98, 0x50),
      .crustDark = QColor(0xa0, 0x64, 0x2c),
      .cherry = QColor(0x34, 0x3c, 0xb0),
      .letterTop = QColor(0xff, 0xff, 0xff),
      .letterMiddle = QColor(0xc4, 0xd2, 0xf2),
      .letterBottom = QColor(0x7c, 0x8c, 0xc8),
      .letterEdge = QColor(0x10, 0x16, 0x40),
      .character = Character::Owl};
}

// A day at the beach: a coral crab on a sandy mound strewn with pebbles,
// under a sea-blue panel on a sky page; lemon meringue pies, coral lettering.
Theme seasideTheme() {
  return {
      .bannerText = QStringLiteral("Pies by the Seaside"),
      .page = QColor(0xcd, 0xee, 0xfa),
      .titlePanel = QColor(0x15, 0x77, 0xa8),
      .bannerPlate = QColor(0x0c, 0x56, 0x84),
      .bannerPlateEdge = QColor(0x05, 0x32, 0x50),
      .bannerShadow = QColor(0x04, 0x2c, 0x48),
      .shadow = QColor(0xa4, 0xd0, 0xe2),
      .grassLight = QColor(0xfc, 0xec, 0xbc),
      .grass = QColor(0xf0, 0xd4, 0x8c),
      .grassDark = QColor(0xd0, 0xac, 0x60),
      .dirtLight = QColor(0xd2, 0xa2, 0x6a),
      .dirt = QColor(0xa8, 0x78, 0x42),
      .dirtDark = QColor(0x6e, 0x4c, 0x28),
      .holeDark = QColor(0x1e, 0x14, 0x0c),
      .holeWallLit = QColor(0x8a, 0x60, 0x38),
      .holeWallDim = QColor(0x4a, 0x32, 0x1c),
      .ground = GroundDetail::Pebbles,
      .skin = QColor(0xff, 0x9a, 0x6a),
      .skinLight = QColor(0xff, 0xc8, 0xa8),
      .skinDark = QColor(0xd8, 0x62, 0x3c),
      .spot = QColor(0xf0, 0x80, 0x52),
      .blush = QColor(0xff, 0x5a, 0x7a),
      .antenna = QColor(0x2c, 0xc0, 0xb0),
      .antennaLight = QColor(0xb0, 0xff, 0xf0),
      .mouth = QColor(0x7a, 0x14, 0x20),
      .tongue = QColor(0xff, 0x6a, 0x7a),
      .tie = QColor(0x28, 0x48, 0xa0),
      .tieDark = QColor(0x14, 0x28, 0x68),
      .cream = QColor(0xff, 0xf6, 0xb4),
      .creamShade = QColor(0xf0, 0xcc, 0x40),
      .crust = QColor(0xe8, 0xb0, 0x60),
      .crustDark = QColor(0xb0, 0x78, 0x30),
      .cherry = QColor(0xff, 0xd4, 0x1c),
      .letterTop = QColor(0xff, 0xe6, 0xd0),
      .letterMiddle = QColor(0xff, 0x84, 0x62),
      .letterBottom = QColor(0xd4, 0x3c, 0x2c),
      .letterEdge = QColor(0x50, 0x10, 0x0c),
      .character = Character::Crab};
}

const Theme& theme() { return current(); }

void useTheme(const Theme& t) { current() = t; }

}  // namespace art
