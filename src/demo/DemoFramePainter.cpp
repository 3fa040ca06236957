#include "demo/DemoFramePainter.h"

#include "demo/CrossingScene.h"
#include "records/FrameTimeFields.h"

#include <QFont>
#include <QPainter>

namespace {

// High on a pole 21 m behind the stop line, over the middle lane.
SceneProjection GeneralCamera()
{
    SceneProjection camera;
    camera.CentreX = DemoFramePainter::GeneralWidth / 2.0;
    camera.Horizon = 50;
    camera.Focal = 690;
    camera.CameraHeight = 8.0;
    camera.CameraZ = -21.0;
    return camera;
}

// Low, 7 m behind the stop line, over the middle of its lane.
SceneProjection LaneCamera(int lane)
{
    SceneProjection camera;
    camera.CentreX = 548;
    camera.Horizon = 170;
    camera.Focal = 1667;
    camera.CameraHeight = 1.6;
    camera.CameraX = CrossingScene::LaneCentre(lane);
    camera.CameraZ = -7.0;
    return camera;
}

QString DataText(const FrameTime& time, std::int64_t msAfterRed)
{
    return QString::fromStdString(FrameTimeFields(time)) +
           QString("   RED +%1 s").arg(static_cast<double>(msAfterRed) / 1000.0, 0, 'f', 3);
}

}  // namespace

QImage DemoFramePainter::GeneralView(const DemoRecord& record, std::int64_t msAfterRed, const FrameTime& time)
{
    QImage image(GeneralWidth, GeneralHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    {
        QPainter painter(&image);
        const SceneProjection camera = GeneralCamera();
        CrossingScene(painter, camera, SceneLighting(record.Night)).Paint(record, msAfterRed);
    }
    PaintDataBar(image, QRect(0, GeneralHeight - 18, GeneralWidth, 18), DataText(time, msAfterRed), 12);
    return image;
}

QImage DemoFramePainter::LaneView(const DemoRecord& record, int lane, std::int64_t msAfterRed,
                                  const FrameTime& time)
{
    QImage image(SensorWidth, SensorHeight, QImage::Format_RGB32);
    image.fill(Qt::black);
    {
        QPainter painter(&image);
        const SceneProjection camera = LaneCamera(lane);
        CrossingScene(painter, camera, SceneLighting(record.Night)).Paint(record, msAfterRed);
    }
    PaintDataBar(image, QRect(32, 8, 1033, 30), QString("L%1   ").arg(lane) + DataText(time, msAfterRed), 20);
    return image;
}

void DemoFramePainter::PaintDataBar(QImage& image, const QRect& area, const QString& text, int pixelSize)
{
    QPainter painter(&image);
    painter.fillRect(area, QColor(0, 0, 0));
    QFont font("DejaVu Sans Mono");
    font.setPixelSize(pixelSize);
    painter.setFont(font);
    painter.setPen(QColor(235, 235, 235));
    painter.drawText(area.adjusted(6, 0, -6, 0), Qt::AlignLeft | Qt::AlignVCenter, text);
}
