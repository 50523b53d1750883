# Sounds compiled into the client as Qt resources under :/sounds/.
# Regenerate the .wav files with assets/make_sounds.sh (espeak-ng, sox).
set(velmora_sound_files
  clickcard.wav discard.wav draw.wav endround.wav entered.wav hitset.wav
  invalid.wav skip.wav stage.wav turn.wav turnnew.wav winner.wav)
foreach(n RANGE 1 20)
  list(APPEND velmora_sound_files wave${n}.wav)
endforeach()
list(TRANSFORM velmora_sound_files PREPEND ${PROJECT_SOURCE_DIR}/assets/sounds/)

# velmora_client is a static library: Qt then builds the resource as an object
# library that travels to every executable linking the client, so the sounds
# register themselves without Q_INIT_RESOURCE.
qt_add_resources(velmora_client "velmora_sounds"
  PREFIX "/sounds"
  BASE ${PROJECT_SOURCE_DIR}/assets/sounds
  FILES ${velmora_sound_files})
