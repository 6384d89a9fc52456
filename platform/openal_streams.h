#pragma once
// The sound of the audio service's devices: each playing device decodes its
// clip with libmpg123 into a few short buffers queued on an OpenAL source of
// its own, and the sources mix on one OpenAL Soft output.

#include "platform/device_rules.h"

#include <map>
#include <memory>
#include <vector>

namespace audio {

class openal_streams final : public sound_output {
public:
    openal_streams();
    ~openal_streams() override;
    openal_streams(const openal_streams&) = delete;
    openal_streams& operator=(const openal_streams&) = delete;

    error_kind start(device_id id, const QString& file_name, std::int64_t frame) override;
    std::int64_t position(device_id id) override;
    progress keep_playing(device_id id) override;
    void stop(device_id id) override;
    bool output_open() const override { return output_ != nullptr; }
    void close_output() override;

private:
    struct output;
    struct stream;

    error_kind open_output();
    bool queue_next_chunk(stream& s, unsigned buffer);

    std::unique_ptr<output> output_;
    std::map<device_id, std::unique_ptr<stream>> streams_;
    std::vector<std::int16_t> chunk_; // decoding space, shared by all streams
};

} // namespace audio
