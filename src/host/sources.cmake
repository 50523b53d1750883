# The engine's sources (plain C++), shared with the clang fuzz build.
set(VELMORA_ENGINE_SOURCES)
foreach(f random.cpp table.cpp deck.cpp turns.cpp stagematch.cpp stages.cpp hits.cpp cardcheck.cpp
          computer.cpp computer_stages.cpp computer_levels.cpp publicview.cpp strong.cpp strong_eval.cpp expert.cpp expert_out.cpp expert_worlds.cpp
          simulation.cpp tablefile.cpp)
  list(APPEND VELMORA_ENGINE_SOURCES ${CMAKE_CURRENT_LIST_DIR}/${f})
endforeach()
