#include "ui/table/sprite_role.h"

#include <string_view>

namespace velmora {

SpriteRole RoleOf(const Sprite& sprite) {
    if (sprite.Kind != SpriteKind::Ellipse) return SpriteRole::Plain;
    const std::string_view name = sprite.Name;
    if (name.starts_with("BetBox")) return SpriteRole::BetBox;
    if (name.starts_with("Ring")) return SpriteRole::Ring;
    if (name == "Chipa" || name == "Chipb") return SpriteRole::PileOutline;
    return SpriteRole::StackOutline;
}

}  // namespace velmora
