#pragma once
// The box that asks which two channels to swap.

#include <optional>
#include <utility>

class QWidget;

namespace lumora {

std::optional<std::pair<int, int>> AskChannelsToSwapInDialog(QWidget *parent, int a, int b, int count);

} // namespace lumora
