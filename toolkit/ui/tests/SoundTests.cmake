# SPDX-License-Identifier: GPL-3.0-or-later
# Tests of the sound player, with a main of their own (it can also run as a child without a sound server)
# and sound resources: playable ones (901 ADPCM, 903 MPEG Layer-3) and a damaged one (902).
suite_add_test(NAME toolkit_ui_sound_tests
    SOURCES tests/SoundTestMain.cpp tests/AudioPlayerTest.cpp tests/ResourceSoundTest.cpp
    LIBS toolkit_ui Qt6::GuiPrivate Qt6::Test
    LABELS ui sound)
# Test programs live deeper in the build tree than the games: they are told where the sound module is.
set_tests_properties(toolkit_ui_sound_tests PROPERTIES ENVIRONMENT GIOCHI_SOUND_MODULE=$<TARGET_FILE:giochi_sound>)
# It records the session's sound server, which nothing else may play into meanwhile.
set_tests_properties(toolkit_ui_sound_tests PROPERTIES RESOURCE_LOCK session_sound)
set(wav_tests ${PROJECT_SOURCE_DIR}/toolkit/core/tests)
set_source_files_properties(${wav_tests}/fixtures/adpcm_mono_22050.wav PROPERTIES QT_RESOURCE_ALIAS 901)
set_source_files_properties(${wav_tests}/corpus/garbage_mp3_payload.wav PROPERTIES QT_RESOURCE_ALIAS 902)
set_source_files_properties(${wav_tests}/fixtures/mp3_stereo_11025.wav PROPERTIES QT_RESOURCE_ALIAS 903)
qt_add_resources(toolkit_ui_sound_tests "sound_test_sounds" PREFIX "/CUSTOM" OPTIONS --no-compress
    FILES ${wav_tests}/fixtures/adpcm_mono_22050.wav ${wav_tests}/corpus/garbage_mp3_payload.wav
          ${wav_tests}/fixtures/mp3_stereo_11025.wav)
