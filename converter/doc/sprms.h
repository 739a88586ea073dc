// The property modifiers (sprms) that the writer uses, and the grpprls it builds from the model.
#pragma once

#include "model/document.h"

#include <cstdint>
#include <string>

namespace pwt::doc {

namespace sprm {
constexpr uint16_t CFBold = 0x0835;
constexpr uint16_t CFItalic = 0x0836;
constexpr uint16_t CFVanish = 0x083C;
constexpr uint16_t CHps = 0x4A43;
constexpr uint16_t CRgFtc0 = 0x4A4F;  // ASCII text
constexpr uint16_t CRgFtc1 = 0x4A50;  // East Asian text
constexpr uint16_t CRgFtc2 = 0x4A51;  // other text
constexpr uint16_t CCv = 0x6870;
constexpr uint16_t PJc80 = 0x2403;
constexpr uint16_t PFKeepFollow = 0x2406;
constexpr uint16_t PDxaRight80 = 0x840E;
constexpr uint16_t PDxaLeft80 = 0x840F;
constexpr uint16_t PDxaLeft1_80 = 0x8411;
constexpr uint16_t PDyaLine = 0x6412;
constexpr uint16_t PDyaBefore = 0xA413;
constexpr uint16_t PDyaAfter = 0xA414;
constexpr uint16_t POutLvl = 0x2640;
constexpr uint16_t SBkc = 0x3009;
constexpr uint16_t SBOrientation = 0x301D;
constexpr uint16_t SXaPage = 0xB01F;
constexpr uint16_t SYaPage = 0xB020;
constexpr uint16_t SDxaLeft = 0xB021;
constexpr uint16_t SDxaRight = 0xB022;
constexpr uint16_t SDyaTop = 0x9023;
constexpr uint16_t SDyaBottom = 0x9024;
} // namespace sprm

// Points to twips, clamped to what a 16-bit operand holds.
int16_t twips(double points);

// Character properties of a run; the font is an index into the font table.
std::string characterGrpprl(const RunStyle &style, uint16_t font);

// Paragraph properties, without the style index that the FKP puts in front.
std::string paragraphGrpprl(const Paragraph &paragraph);

// Page size, orientation and margins of a section.
std::string sectionGrpprl(const Page &page);

} // namespace pwt::doc
