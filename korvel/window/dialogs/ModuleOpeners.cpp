#include "ModuleOpeners.h"

#include <array>

namespace korvel {

using namespace qs;

namespace {
using T = Trio;
constexpr std::uint8_t kMain = 1;
constexpr std::uint8_t kAdditional = 0;

// The QV3320 page's QVTMP button opens the temperature dialog like its twins on the QV5510
// and QV5530 pages.
const std::array<ModuleOpener, 17> kOpeners{{
    {"Button_QV3310_QVAO_Fo", "Button_QV3320_QVAO_FoClick", T::Qvao, kMain, "QVAO - Fő modul"},
    {"Button_QV3320_QVAIN", "Button_QV3320_QVAINClick", T::Qvain, std::nullopt, nullptr},
    {"Button_QV3320_QVTMP", "Button_QV3320_QVTMPClick", T::Qvtmp, std::nullopt, nullptr},
    {"Button_QV3320_QVAO_Fo", "Button_QV3320_QVAO_FoClick", T::Qvao, kMain, "QVAO - Fő modul"},
    {"Button_QV3320_QVSER_Fo", "Button_QV3320_QVSER_FoClick", T::Qvser, kMain, "QVSER - Fő modul"},
    {"Button_QV3320_QVRO_Fo", "Button_QV3320_QVRO_FoClick", T::Qvro, kMain, "QVRO - Fő modul"},
    {"Button_QV3320_QVAO_Tovabbi", "Button_QV3320_QVAO_TovabbiClick", T::Qvao, kAdditional,
     "QVAO - További modul"},
    {"Button_QV3320_QVRO_Tovabbi", "Button_QV3320_QVRO_TovabbiClick", T::Qvro, kAdditional,
     "QVRO - További modul"},
    {"Button_QV5510_QVAIN", "Button_QV5510_QVAINClick", T::Qvain, std::nullopt, nullptr},
    {"Button_QV5510_QVTMP", "Button_QV5510_QVTMPClick", T::Qvtmp, std::nullopt, nullptr},
    {"Button_QV5510_QVSER_Fo", "Button_QV5510_QVSER_FoClick", T::Qvser, kMain,
     "QVSER bemeneti modul"},
    {"Button_QV5510_Rel1", "Button_QV5510_Rel1Click", T::Qvro, kMain, "Rel1"},
    {"Button_QV5510_Rel2", "Button_QV5510_Rel2Click", T::Qvro, kAdditional, "Rel2"},
    {"Button_QV5530_QVAIN", "Button_QV5530_QVAINClick", T::Qvain, std::nullopt, nullptr},
    {"Button_QV5530_QVTMP", "Button_QV5530_QVTMPClick", T::Qvtmp, std::nullopt, nullptr},
    {"Button_QV5530_QVAO_Fo", "Button_QV5530_QVAO_FoClick", T::Qvao, kMain, "QVAO"},
    {"Button_QV5530_QVSER_Fo", "Button_QV5530_QVSER_FoClick", T::Qvser, kMain, "QVSER"},
}};
}  // namespace

std::span<const ModuleOpener> ModuleOpeners()
{
    return kOpeners;
}

}  // namespace korvel
