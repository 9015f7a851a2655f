// The text of the About box.
#pragma once

#include <string_view>

std::u16string_view AboutText();
constexpr std::u16string_view AboutCaption = u"Über Z·i·b";
