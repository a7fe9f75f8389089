#pragma once

#include "appframe/Workflow.h"

// Fills in the workflow's creators for command types 1 to 6 with the
// collage, montage and panorama steps, and the project-file question. The
// home appliance is left to the caller (the main window makes it):
//
//     Workflow::Creators creators;
//     registerDefaultWorkflowCreators(creators);
//     creators.home = [] { return new HomeAppliance(nullptr); };
//     new Workflow(window, nullptr, creators);
void registerDefaultWorkflowCreators(Workflow::Creators& creators);
