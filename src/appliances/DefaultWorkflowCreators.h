#pragma once

#include "appframe/Workflow.h"

// Fills in the workflow's creators for command types 1 to 6 with the modes
// built so far, and the project-file question. The home appliance lives
// above this layer and is left to the caller:
//
//     Workflow::Creators creators;
//     registerDefaultWorkflowCreators(creators);
//     creators.home = [] { return new HomeAppliance(nullptr); };
//     new Workflow(window, nullptr, creators);
void registerDefaultWorkflowCreators(Workflow::Creators& creators);
