#include "plugins/renderer_gl/SpriteBatch.h"

#include <cstddef>

bool SpriteBatch::Create(const GlApi* gl, std::string* error) {
    gl_ = gl;
    if (!program_.Create(*gl, error)) return false;
    gl->GenVertexArrays(1, &vertexArray_);
    gl->GenBuffers(1, &buffer_);
    gl->BindVertexArray(vertexArray_);
    gl->BindBuffer(GL_ARRAY_BUFFER, buffer_);
    const GLsizei stride = sizeof(SpriteVertex);
    gl->VertexAttribPointer(SpriteProgram::kPosition, 2, GL_FLOAT, GL_FALSE, stride,
                            reinterpret_cast<const void*>(offsetof(SpriteVertex, x)));
    gl->VertexAttribPointer(SpriteProgram::kTexCoord, 2, GL_FLOAT, GL_FALSE, stride,
                            reinterpret_cast<const void*>(offsetof(SpriteVertex, u)));
    gl->VertexAttribPointer(SpriteProgram::kColor, 4, GL_UNSIGNED_BYTE, GL_TRUE, stride,
                            reinterpret_cast<const void*>(offsetof(SpriteVertex, r)));
    gl->EnableVertexAttribArray(SpriteProgram::kPosition);
    gl->EnableVertexAttribArray(SpriteProgram::kTexCoord);
    gl->EnableVertexAttribArray(SpriteProgram::kColor);
    return true;
}

void SpriteBatch::Destroy() {
    if (!gl_) return;
    if (buffer_) gl_->DeleteBuffers(1, &buffer_);
    if (vertexArray_) gl_->DeleteVertexArrays(1, &vertexArray_);
    program_.Destroy(*gl_);
    buffer_ = vertexArray_ = 0;
    capacityBytes_ = 0;
    gl_ = nullptr;
}

void SpriteBatch::ApplyBlend(BlendKind kind) {
    const BlendSetup setup = BlendSetupFor(kind);
    if (setup.enabled) {
        gl_->Enable(GL_BLEND);
        gl_->BlendFunc(setup.source, setup.destination);
    } else {
        gl_->Disable(GL_BLEND);
    }
    gl_->Uniform1f(program_.alphaCut, setup.alphaCut);
    gl_->Uniform1f(program_.premultiply, setup.premultiply);
}

void SpriteBatch::Flush(SpriteQueue* queue) {
    if (!gl_ || queue->Empty()) {
        queue->Clear();
        return;
    }
    const std::vector<SpriteVertex>& vertices = queue->Vertices();
    const size_t bytes = vertices.size() * sizeof(SpriteVertex);
    gl_->UseProgram(program_.program);
    gl_->BindVertexArray(vertexArray_);
    gl_->BindBuffer(GL_ARRAY_BUFFER, buffer_);
    if (bytes > capacityBytes_) {
        size_t grown = capacityBytes_ ? capacityBytes_ : 64 * 1024;
        while (grown < bytes) grown *= 2;
        capacityBytes_ = grown;
    }
    // Orphaning the storage lets the driver keep drawing the previous frame.
    gl_->BufferData(GL_ARRAY_BUFFER, static_cast<GLsizeiptr>(capacityBytes_), nullptr,
                    GL_STREAM_DRAW);
    gl_->BufferSubData(GL_ARRAY_BUFFER, 0, static_cast<GLsizeiptr>(bytes), vertices.data());
    gl_->ActiveTexture(GL_TEXTURE0);

    bool first = true;
    BlendKind blend = BlendKind::Opaque;
    GLuint texture = 0;
    for (const SpriteRun& run : queue->Runs()) {
        if (first || run.blend != blend) ApplyBlend(run.blend);
        if (first || run.texture != texture) gl_->BindTexture(GL_TEXTURE_2D, run.texture);
        blend = run.blend;
        texture = run.texture;
        first = false;
        gl_->DrawArrays(GL_TRIANGLES, run.first, run.count);
        ++drawCalls_;
    }
    queue->Clear();
}
