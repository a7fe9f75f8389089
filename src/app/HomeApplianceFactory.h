#pragma once

namespace PlugGui {
class AbstractAppliance;
}

// The appliance the workflow starts on and returns to: a new one without
// parent, owned by the workflow from its push on.
PlugGui::AbstractAppliance* makeHomeAppliance();
