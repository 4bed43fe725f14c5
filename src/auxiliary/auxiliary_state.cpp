#include "auxiliary/auxiliary_state.h"

#include <memory>

namespace auxiliary {

namespace {
std::unique_ptr<AuxiliaryState> state;
}  // namespace

void CreateAuxiliaryState() { state = std::make_unique<AuxiliaryState>(); }

void FreeAuxiliaryState() { state.reset(); }

AuxiliaryState* CurrentAuxiliaryState() { return state.get(); }

}  // namespace auxiliary
