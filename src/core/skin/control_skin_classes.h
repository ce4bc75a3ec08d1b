#pragma once
// The SkinClasses list that a skin component holds when its stored form description gives none.
#include <string>
#include <vector>

namespace core {

// 117 lines "ClassName=kind", in the order the component fills them.
const std::vector<std::string>& DefaultSkinClasses();

}  // namespace core
